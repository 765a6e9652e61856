#include "platform/ui/QtDesktopServices.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace platform {

MessageAnswer QtMessageBoxes::show(const MessageRequest &request)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(request.title.isEmpty() ? QApplication::applicationName() : request.title);
    box.setText(request.text);
    switch (request.icon) {
    case MessageRequest::Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageRequest::Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageRequest::Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageRequest::Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (request.buttons == MessageRequest::Buttons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

bool QtShell::openUrl(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

bool QtShell::openFile(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtClipboard::setText(const QString &text)
{
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

QString QtClipboard::text() const
{
    return QApplication::clipboard()->text();
}

QString QtFileDialogs::openFile(const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), folder, filter);
}

QString QtFileDialogs::saveFile(const QString &folder, const QString &presetName, const QString &filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), folder + QLatin1Char('/') + presetName,
                                        filter);
}

QtServices::QtServices() = default;

Services QtServices::services()
{
    return Services{&m_messages, &m_shell, &m_clipboard, &m_dialogs, &m_secrets};
}

} // namespace platform
