#pragma once
// Why a number edit is red, in the interface language (0 German, otherwise English): the user sees it
// as the edit's tooltip. Empty when the edit is not red.

#include <string>

#include "core/page/page_edit.h"

namespace tessalin {

std::string NumberRefusalReason(const NumberOutcome& outcome, int uiLanguage);

}  // namespace tessalin
