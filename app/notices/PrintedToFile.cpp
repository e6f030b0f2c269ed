#include "app/notices/PrintedToFile.h"

#include "app/Forms.h"
#include "app/Twips.h"

#include <QFileInfo>
#include <QLabel>

PrintedToFile::PrintedToFile()
    : Form(Kind, QStringLiteral("Saved As A File"), {517, 382}, QStringLiteral("notices/printedtofile_background"))
{
    setAccessibleDescription(QStringLiteral("No printer was found, so the page was saved as a PDF file in the results folder."));
    FileLBL = new QLabel(this);
    FileLBL->setObjectName(QStringLiteral("FileLBL"));
    FileLBL->setGeometry(30, 200, 457, 90);
    FileLBL->setAlignment(Qt::AlignCenter);
    FileLBL->setWordWrap(true);
    FileLBL->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FileLBL->setStyleSheet(QStringLiteral("color: #1B3A6B; font: bold 15px 'Liberation Sans';"));
    OkButton = addButton("OkButton", QStringLiteral("notices/ok_button"), {155, 60}, QStringLiteral("OK"),
                         2640, 4560, [this] { OkButton_Click(); });
}

void PrintedToFile::setFilePath(const QString& path)
{
    FileLBL->setText(QFileInfo(path).fileName());
    FileLBL->setToolTip(path);
}

void PrintedToFile::OkButton_Click()
{
    Forms::close(this);
}
