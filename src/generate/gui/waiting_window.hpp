// QingHeWaiting: the small window shown while a generation job prepares its names.
#pragma once

#include <QDialog>

namespace qinghe {

class WaitingWindow : public QDialog {
    Q_OBJECT

public:
    explicit WaitingWindow(QWidget* owner);
};

}  // namespace qinghe
