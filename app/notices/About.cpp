#include "app/notices/About.h"

#include "app/Forms.h"
#include "app/WebPage.h"

About::About()
    : Form(Kind, QStringLiteral("About Kelbo Radezo Ruda Brightway"), {670, 460}, QStringLiteral("notices/about_background"))
{
    setAccessibleDescription(QStringLiteral(
        "About. This program is meant to help pupils learn mathematics. It is based on curriculum outcomes and "
        "does not replace learning in the classroom."));
    TitleBanner = addPicture("TitleBanner", QStringLiteral("notices/about_title_banner"), {427, 74},
                             QStringLiteral("Kelbo Radezo Ruda Brightway"), 1920, 100);
    Image2 = addPicture("Image2", QStringLiteral("notices/version_plate"), {94, 76}, QStringLiteral("Version 1.0"), 120, 5640);
    WebsiteLink = addButton("WebsiteLink", QStringLiteral("notices/website_link"), {427, 52},
                            QStringLiteral("Visit us online! %1").arg(QString::fromLatin1(WebPage::MakerPage)),
                            1680, 4680, [this] { WebsiteLink_Click(); });
    OkButton = addButton("OkButton", QStringLiteral("notices/ok_button"), {155, 60}, QStringLiteral("OK"),
                         7560, 5760, [this] { OkButton_Click(); });
}

void About::OkButton_Click()
{
    Forms::close(this);
}

void About::WebsiteLink_Click()
{
    WebPage::openMakerPage();
}
