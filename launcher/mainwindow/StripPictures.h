// The strip's hidden pictures: the button pictures BButton, which the message dialog and the
// boxes' picture buttons use too, and the Help box's two pictures ImageHelpPics.
#pragma once

#include <QPixmap>
#include <QString>

namespace orbilo {

// BButton indexes.
inline constexpr int kPictureNormal = 0;
inline constexpr int kPicturePressed = 1;
inline constexpr int kPictureDisabled = 2;
inline constexpr int kPicturePanelOpen = 3;  // a Rename button while its panel is open
inline constexpr int kPictureWebHidden = 4;  // CommandWeb while the Add URL box is hidden
inline constexpr int kPictureUp = 5;         // the boxes' picture buttons
inline constexpr int kPictureWebShown = 6;   // CommandWeb while the Add URL box is shown
inline constexpr int kButtonPictureCount = 7;
inline constexpr int kHelpPictureCount = 2;

// A picture of BButton or ImageHelpPics; an empty pixmap for an index outside the array.
QPixmap ButtonPicture(int index);
QPixmap HelpPicture(int index);
// The resource path of a BButton picture, for style sheets ("border-image: url(...)").
QString ButtonPicturePath(int index);
// A style sheet that gives push buttons the up, pressed and disabled faces of BButton.
QString PictureButtonStyle(int up, int pressed, int disabled);

}  // namespace orbilo
