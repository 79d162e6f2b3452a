#pragma once

// Answers every message box, file, font and modal dialog that a test did not expect with a
// failure of that test (and Cancel), so that no test ever waits in a modal loop; keeps tones
// silent. The preset-answer classes replace these handlers for their lifetime.
void installUnexpectedDialogHandlers();
