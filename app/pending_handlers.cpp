// Handlers that do nothing yet; each is replaced when its command is built.
#include "app/main_window.h"

namespace kestara {
void OnMainWindowCreated() {}
void OnMainWindowFirstActivated() {}
void ReleaseAlertSound() {}
void OnTranslateClick() {}
void OnCopyClick() {}
void OnPasteClick() {}
void OnClearClick() {}
void OnImportClick() {}
void OnSaveClick() {}
void OnHomePageClick() {}
void OnHomeGlyphClick() {}
void OnCloseClick() {}
}  // namespace kestara
