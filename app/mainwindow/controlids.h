// Control ids of the main window. Each control's objectName is the name of its id ("IdSample"),
// so that tests and tools find the controls by name.
#pragma once

namespace MainCtl {

enum Id : int {
    IdOK = 1,      // hidden; ends the run as "Exit" does (Enter does not reach it)
    IdCancel = 2,  // hidden; ends the run as closing the window does (Esc does not reach it)
    IdNum = 1090,  // patient number line
    IdName = 1091,
    IdSex = 1092,
    IdAge = 1093,
    IdPhone = 1094,
    IdDiseaseCaption = 1101,
    IdDisease = 1095,      // diagnosis text
    IdSaveDisease = 1087,  // diagnosis "Save"
    IdStatusImage = 1100,  // connection picture
    IdStatusLine = 1099,   // anchor of the first status line
    IdStatusLine2 = 1102,  // anchor of the second status line
    IdThumbList = 1015,
    IdPrev = 1076,
    IdNext = 1077,
    IdPane1 = 1098,  // picture pane 1, also the live video window
    IdPane2 = 1096,
    IdPane3 = 1097,
    IdThick = 1078,
    IdMedium = 1079,
    IdThin = 1080,
    IdRed = 1081,
    IdGreen = 1082,
    IdBlue = 1083,
    IdSave = 1020,
    IdSaveAs = 1019,
    IdUndo = 1084,
    IdSplit = 1016,
    IdDelete = 1085,
    IdImport = 1014,
    IdExport = 1018,
    IdPickup = 1012,
    IdPrint = 1011,
    IdUser = 1010,
    IdSample = 1086,
    IdFreeze = 1089,
    IdExit = 1017,
    IdPatientBanner = 1110,  // the current patient's name and UID in large type
    IdDiseaseCount = 1111,   // how much of the diagnosis record the text takes
};

}  // namespace MainCtl
