#pragma once

#include <QWidget>

namespace results {

/// "File backup": tells the user that the lists were full and have been saved into the overflow folder.
class FileBackupNotice : public QWidget {
    Q_OBJECT
public:
    explicit FileBackupNotice(QWidget *parent = nullptr);
    static QString noticeText();
};

} // namespace results
