// The editor's side of the model's IEditorServices: the active document,
// its views and its current page, found through the main frame.
#pragma once

class CLumbrookConfigDoc;

// Installs the services for the life of the program.
void InstallEditorServices();
void RemoveEditorServices();

// The main frame's document; NULL before the frame exists.
CLumbrookConfigDoc* GetActiveEditorDocument();
