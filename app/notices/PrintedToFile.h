#pragma once
// Tells where the page went when no printer was found.
#include "app/Form.h"

class QLabel;

class PrintedToFile : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "PrintedToFile";
    PrintedToFile();
    PictureButton* OkButton;
    QLabel* FileLBL;
    void setFilePath(const QString& path);
    void OkButton_Click();
};
