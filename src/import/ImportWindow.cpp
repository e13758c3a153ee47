#include "import/ImportWindow.h"

// The import window comes with the import parser; the button, Alt+B and the
// panel's dispatch already lead here.
void OpenImportWindow() {}
