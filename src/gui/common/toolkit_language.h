#pragma once
// The toolkit's own texts (the buttons and captions of its file dialogs and message boxes) in the
// interface language, from the toolkit's installed translations.

namespace tessalin::gui {

// 0 German, otherwise English (the toolkit's own language, so no translation is loaded). Replaces the
// translation installed before; false when the German translation is not installed.
bool UseToolkitLanguage(int uiLanguage);

}  // namespace tessalin::gui
