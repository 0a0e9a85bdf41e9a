#pragma once
// What the user is told when a data set is refused: the file that failed and the reason in words, in the
// interface language (0 German, otherwise English). Every refusal has a message, so that opening a file
// never fails without a word.

#include <string>

#include "core/data_set/load.h"

namespace tessalin {

// The message of a refused load: the file of another device software keeps its own text; every message
// names the failed file, and a file that could not be opened gives the system's reason.
std::string LoadRefusedMessage(const LoadResult& result, int uiLanguage);

// A recent-file entry whose FRONT or Purgon file no longer exists: the refusal, then the offer to take
// the entry out of the list.
bool OffersToForgetRecentEntry(const LoadResult& result);
std::string ForgetRecentEntryQuestion(const LoadResult& result, int uiLanguage);

}  // namespace tessalin
