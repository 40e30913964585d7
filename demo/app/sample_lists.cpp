#include "sample_lists.h"

namespace zelvane::demo {

std::vector<std::wstring> RecentCities() {
  return {L"Berlin",    L"Bergen",     L"Bern",      L"Belgrade",   L"Beirut",     L"Belfast",
          L"Bengaluru", L"Benidorm",   L"Bratislava", L"Brno",      L"Budapest",   L"Bucharest",
          L"München",   L"Milano",     L"Madrid",    L"Málaga",     L"Marseille",  L"Kraków",
          L"København", L"Köln",       L"Zürich",    L"Salzburg",   L"São Paulo",  L"Sevilla",
          L"Stockholm", L"Tallinn",    L"Trondheim", L"Amsterdam",  L"Antwerpen",  L"Athína"};
}

std::vector<std::wstring> EarlierSearches() {
  return {L"weather tomorrow",  L"weather radar",      L"web fonts",          L"wedding venues",
          L"train times",       L"translate danish",   L"trail running shoes", L"tram map",
          L"coffee near me",    L"cinema tonight",     L"currency converter",  L"cheap flights",
          L"recipe lasagne",    L"recipe pancakes",    L"restaurants open now", L"rent a bike",
          L"pharmacy open now", L"parking rates",      L"post office hours",   L"public holidays",
          L"museum tickets",    L"market hall",        L"marathon results",    L"map of the old town",
          L"library opening",   L"lost and found",     L"laundry service",     L"hotel deals",
          L"hiking trails",     L"horoscope"};
}

std::vector<std::wstring> HebrewCities() {
  return {L"קרית שמונה", L"חיפה",     L"קרית גת",  L"קרית אתא", L"ירושלים",   L"קרית ביאליק", L"תל אביב",
          L"קרית מוצקין", L"קרית ים", L"נתניה",    L"קרית אונו", L"קרית מלאכי", L"אילת",        L"באר שבע"};
}

std::wstring AsSavedList(const std::vector<std::wstring>& most_recent_first) {
  std::wstring saved;
  for (auto it = most_recent_first.rbegin(); it != most_recent_first.rend(); ++it) {
    if (!saved.empty()) saved += L"\r\n";
    saved += *it;
  }
  return saved;
}

}  // namespace zelvane::demo
