#include "modal_closer.h"

#include <QApplication>
#include <QDialog>

namespace kt {

ModalCloser::ModalCloser()
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { closeActiveModal(); });
    timer_.start(10);
}

void ModalCloser::closeActiveModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    SeenModal modalSeen{modal->windowTitle(), {}, QMessageBox::NoIcon, modal->parentWidget(),
                        modal->windowModality()};
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        modalSeen.text = box->text();
        modalSeen.icon = box->icon();
    }
    seen.push_back(modalSeen);
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

}  // namespace kt
