// What the display option dialogs (splash screen, welcome screen, background
// overlay, image position) say, and the items their lists offer.
#pragma once

namespace display_texts {

// Titles of the option frames.
inline constexpr const char* kSplashTitle = "Configure a Splash Screen";
inline constexpr const char* kWelcomeTitle = "Configure a Welcome Message";
inline constexpr const char* kBackgroundTitle = "Overlay Screen Background Color / Image";
inline constexpr const char* kPositionTitle = "Specify Image Position";

// Labels naming an image in the file checks' messages.
inline constexpr const char* kImageLabel = "Image";
inline constexpr const char* kFullScreenImageLabel = "Full Screen Image";
inline constexpr const char* kImage1Label = "Image 1";
inline constexpr const char* kImage2Label = "Image 2";

// Splash screen.
inline constexpr const char* kSplashWhenItems[] = {"Show first when CD is initally opened",
                                                   "Show while opening document"};
inline constexpr const char* kSplashPresetLine1 = "Loading CD";
inline constexpr const char* kSplashPresetLine3 = "Please wait whilst the CD is loaded";
inline constexpr const char* kWindowsDefaultFont = "Windows default";
inline constexpr const char* kFontNamePart = "Font: %s; ";
inline constexpr const char* kFontSizePart = "Size: %dpt; ";
inline constexpr const char* kFontWeightPart = "Weight: %d; ";
inline constexpr const char* kFontItalicPart = "Italic: %s; ";
inline constexpr const char* kTrue = "True";
inline constexpr const char* kFalse = "False";
inline constexpr const char* kNoFontName = "Sorry, no font name name was provided.";
inline constexpr const char* kSplashNoImage =
    "Please select a image using the 'Select image...' button.";

// Welcome screen.
inline constexpr const char* kWelcomeLocations[] = {"Along the top", "Left of text",
                                                    "Right of text", "Along the bottom"};
inline constexpr const char* kWelcomeNoTitle = "Please enter data into the 'Dialog Title' field.";
inline constexpr const char* kWelcomeNothingShown =
    "Please ensure that you select at least one option to display - either an image, or text.";
inline constexpr const char* kWelcomeNoMessage = "Please enter data into the 'Message' field.";
inline constexpr const char* kWelcomeNoImage =
    "Please select an Image using the 'Select Image...' button.";

// Background overlay.
inline constexpr const char* kBackgroundWhenItems[] = {"When CD is first opened",
                                                       "Before Welcome Screen (if specified)",
                                                       "After Welcome Screen (if specified)"};
// The nine places of a picture on the background, in the lists' order.
inline constexpr const char* kPositions[] = {"Top, left",    "Top, center",    "Top, right",
                                             "Middle, left", "Middle, center", "Middle, right",
                                             "Bottom, left", "Bottom, center", "Bottom, right"};
inline constexpr const char* kDefaultCloseText = "Close";
inline constexpr const char* kBackgroundNoImage =
    "Please select a background image using the 'Select image...' button.";
inline constexpr const char* kBorder1Over100 =
    "Border for image 1 is greater than 100.  Values greater than 100 should not normally be "
    "used, as they could cause the image to display incorrectly on some screen sizes.\n\n"
    "Continue?";
inline constexpr const char* kBorder2Over100 =
    "Border for image 2 is greater than 100.  Values greater than 100 should not normally be "
    "used, as they could cause the image to display incorrectly on some screen sizes.\n\n"
    "Continue?";
inline constexpr const char* kCloseTextAmpersand =
    "Close button text contains a '&', which is not allowed.  Remove / reword as required.";

// Image position.
inline constexpr const char* kBorderOver100 =
    "Border is greater than 100.  Values greater than 100 should not normally be used, as they "
    "could cause the image to display incorrectly on some screen sizes.\n\nContinue?";
inline constexpr const char* kBorderNegative =
    "Border is set as a netagive number - image will appear partly off screen.  Border should "
    "be a positive value, ideally between 0 and 100, although you may need to increase it "
    "above 100.";

}  // namespace display_texts
