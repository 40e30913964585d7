#include <string>
#include <utility>

#include "control/scoped_flag.h"
#include "control/zelvane.h"

namespace zelvane::control {

// Inline completion: a change that only added characters at the end lets the next
// refill write the rest of the first row after them, selected, so one more key
// replaces it. A deletion never does, so the person can always remove a suggestion.

// Read before the text box acts on the key: typing over a selection that reaches
// the end extends the text before that selection.
void Zelvane::RememberTextBeforeKey() {
  if (!options_.AutoAppend) return;
  textBeforeKey_ = site_.txt.Text().substr(0, static_cast<std::size_t>(site_.txt.SelStart()));
}

// `before` is the text as it was before the change (a key's selection aside).
bool Zelvane::ChangeAddedAtEnd(const std::u16string& before) const {
  if (!options_.AutoAppend || !CaretAtEnd()) return false;
  const std::u16string text = site_.txt.Text();
  const std::u16string& base = textBeforeKey_ ? *textBeforeKey_ : before;
  return text.size() > base.size() && text.starts_with(base);
}

bool Zelvane::CaretAtEnd() const {
  return site_.txt.SelLength() == 0 && site_.txt.SelStart() == static_cast<std::int32_t>(site_.txt.Text().size());
}

// The rest of the first row goes after the typed text in the row's own spelling;
// the typed part keeps the person's. True when the box now shows it.
bool Zelvane::AppendFirstRow() {
  if (!std::exchange(appendDue_, false) || site_.lst->ListCount() == 0 || !CaretAtEnd()) return false;
  const std::u16string typed = site_.txt.Text();
  const std::u16string row = site_.lst->List(0);
  if (row.size() <= typed.size() ||
      site_.textCase.ToUpper(row.substr(0, typed.size())) != site_.textCase.ToUpper(typed)) {
    return false;
  }
  {
    ScopedFlag own(appending_);
    site_.txt.SetSelText(row.substr(typed.size()));
  }
  if (Closed()) return false;
  site_.txt.SetSelStart(static_cast<std::int32_t>(typed.size()));
  site_.txt.SetSelLength(static_cast<std::int32_t>(row.size() - typed.size()));
  appendedText_ = site_.txt.Text();
  AnnounceTextAccepted();
  return true;
}

// Enter on the row the completion highlighted takes the text as the box shows it.
bool Zelvane::ShowsAppendedRow() const {
  return appendedText_ && site_.lst->ListIndex() == 0 && *appendedText_ == site_.txt.Text();
}

}  // namespace zelvane::control
