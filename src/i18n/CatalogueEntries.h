// The catalogue entries the program's messages use, in one place. (The
// caption tables of the windows list their own entries beside the control
// each one labels.)
#pragma once

namespace i18n::entry {

inline constexpr int kDriverAuthor = 2;
inline constexpr int kDriverVersion = 3;
inline constexpr int kDriverLanguage = 4;
inline constexpr int kLanguagesFolder = 5;
inline constexpr int kPromptTitle = 42; // the typed-name prompt's title
inline constexpr int kShowLog = 45;
inline constexpr int kHideLog = 47;
inline constexpr int kChooseFolder = 51;
inline constexpr int kPictureCaught = 54;     // log: "...: W x H"
inline constexpr int kNotificationShown = 55; // log
inline constexpr int kPictureSavedLog = 56;   // log: "...: path"
inline constexpr int kOptionsSaved = 91;
inline constexpr int kNotSaved = 92;        // also: the language could not be changed
inline constexpr int kPictureSaved = 93;    // status
inline constexpr int kPictureNotSaved = 94; // status and log
inline constexpr int kNoPicture = 96;       // the size labels while the clipboard holds no picture
inline constexpr int kResetQuestion = 97;
inline constexpr int kOptionsNotWritten = 98;
inline constexpr int kSaveFailed = 99;      // message box
inline constexpr int kWallpaperSet = 101;   // status
inline constexpr int kProgramRunning = 104; // a second start
inline constexpr int kBrowserFailed = 105;
inline constexpr int kFolderSaved = 107;
inline constexpr int kPromptQuestion = 109; // the typed-name prompt's question
inline constexpr int kNotANumber = 110;
inline constexpr int kNotificationFailed = 113; // log
inline constexpr int kWebLink = 120;
inline constexpr int kAboutOk = 121;
inline constexpr int kLanguagesLabel = 189;
inline constexpr int kLanguageOk = 190;
inline constexpr int kLanguageCancel = 191;
inline constexpr int kLanguageRefresh = 193;

// Entries added after the first language drivers were written (an older
// driver shows their English text).
inline constexpr int kWallpaperNotSet = 194; // the picture was saved, the wallpaper not
inline constexpr int kNameHoldsPath = 195;   // a typed name with a path or a forbidden character
inline constexpr int kNameIsDevice = 196;    // a typed name that Windows keeps for a device
inline constexpr int kNameTooLong = 197;     // a typed name too long for a file name
inline constexpr int kSamePicture = 198;     // log: the last picture was copied again
inline constexpr int kPictureRefused = 199;  // log: a picture whose data is damaged
inline constexpr int kChangeSkipped = 200;   // log: the clipboard or its owner did not answer
inline constexpr int kChainRepaired = 201;   // log: the clipboard viewer chain was repaired
inline constexpr int kViewerReset = 202;     // log: the viewer was busy too long
inline constexpr int kChangesUnread = 203;   // log: "...: N" changes went by too quickly to be read
inline constexpr int kPictureKept = 204;     // message and log: "...: path" where an unsaved picture is kept
inline constexpr int kFirstAdded = kWallpaperNotSet;
inline constexpr int kPictureGone = 205; // status: the picture of a log line is no longer there
// log: "...: W x H" a picture file announcing a size beyond the bounds
inline constexpr int kPictureTooLarge = 206;
inline constexpr int kLosslessCaption = 207;     // Check9's caption
inline constexpr int kNearlySameCaption = 208;   // Check10's caption
inline constexpr int kNearlySameSkipped = 209;   // log: "...: path" of the earlier file it resembles
inline constexpr int kExcludedCaption = 210;     // the label of the programs never caught
inline constexpr int kExcludedHint = 211;        // their text box's tool tip
inline constexpr int kTemplateCaption = 212;     // the label of the file-name template
inline constexpr int kTemplateHint = 213;        // its text box's tool tip: the tokens
inline constexpr int kTemplateRefused = 214;     // its preview: "...: {part}" the template cannot be used
inline constexpr int kTemplateNameRefused = 215; // log: a name it made was refused, the automatic one used
inline constexpr int kWebpCaption = 216;         // Check11's caption, the quality box follows it
inline constexpr int kWebpQualityHint = 217;     // the quality box's tool tip
inline constexpr int kWebpQualityRefused = 218;  // message: the quality typed is no number of 0..100
inline constexpr int kWebpTooLarge = 219;        // log: "...: path" a picture too large for WebP, saved so
inline constexpr int kLastAdded = kWebpTooLarge;

} // namespace i18n::entry
