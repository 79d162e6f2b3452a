#pragma once

class QBoxLayout;
class QPushButton;

// The OK and Cancel row of the two choosers: OK (id 1) is the default button, Cancel (id 2).
struct ChooserButtons {
    QPushButton* ok;
    QPushButton* cancel;
};

ChooserButtons addChooserButtons(QBoxLayout* layout);
