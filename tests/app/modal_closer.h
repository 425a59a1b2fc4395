#pragma once
// Stands in for the user in front of modal boxes and dialogs: closes each one as soon as it
// is open and keeps what it showed.

#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <vector>

namespace kt {

struct SeenModal {
    QString title;
    QString text;                // a message box's text
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* owner = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
};

class ModalCloser {
public:
    ModalCloser();

    std::vector<SeenModal> seen;

private:
    void closeActiveModal();

    QTimer timer_;
};

}  // namespace kt
