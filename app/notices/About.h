#pragma once
// What the program is for, its version and the way to the maker's web page.
#include "app/Form.h"

class About : public Form {
    Q_OBJECT
public:
    static constexpr const char* Kind = "About";
    About();
    Picture* TitleBanner;
    Picture* Image2;
    PictureButton* OkButton;
    PictureButton* WebsiteLink;
    void OkButton_Click();
    void WebsiteLink_Click();
};
