// Handlers of the main window.
#pragma once

namespace kestara {

// Start-up and life of the window.
void OnMainWindowCreated();
void OnMainWindowFirstActivated();
void ReleaseAlertSound();

// Translate command.
void OnTranslateClick();

// Editing, file and link commands.
void OnCopyClick();
void OnPasteClick();
void OnClearClick();
void OnImportClick();
void OnSaveClick();
void OnHomePageClick();
void OnHomeGlyphClick();  // 图形按钮2: the same as the home-page button
void OnCloseClick();

}  // namespace kestara
