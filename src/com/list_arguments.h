#pragma once
#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <vector>

#include "core/variant.h"
#include "core/variant_enumerator.h"

namespace zelvane::com {

/// The elements of what a host passes to ListFromArray: a one-dimensional array
/// of strings or of variants, by value or by reference (also through a variant
/// reference, as scripts pass it), from its lower bound to its upper bound.
/// Anything else raises 13 "Type mismatch".
std::vector<core::Variant> ArrayElements(const VARIANT* list);

/// The enumerator of what a host passes to ListFromCollection: any object whose
/// _NewEnum (DISPID_NEWENUM) gives an IEnumVARIANT. Anything else raises 13.
std::unique_ptr<core::VariantEnumerator> CollectionEnumerator(IDispatch* collection);

}  // namespace zelvane::com
