#include "results/ui/FileBackupNotice.h"

#include "platform/ui/WindowKeys.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace results {

QString FileBackupNotice::noticeText()
{
    return tr("One of your lists has reached 20000 entries.  They have been saved and cleared.  You may "
              "find your backed up lists in the lanterly /overflow/ directory.");
}

FileBackupNotice::FileBackupNotice(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("File backup"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *text = new QLabel(noticeText(), this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setWordWrap(true);
    auto *ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    platform::closeOnEscape(this);
    platform::acceptOnReturn(ok);
    platform::giveMnemonics(this, {ok});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    resize(420, 140);
}

} // namespace results
