#include "qt_message_boxes.h"

#include <QMessageBox>

#include "common/app_title.h"

namespace korvane::ui {

void QtMessageBoxes::show(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace korvane::ui
