#include "macro/MacroCommandTable.h"

namespace {

struct Entry {
    int position;
    const char* name;
    int code; // 0: group * 100 + position
    const char* description;
};

const char* const GroupNames[MacroCommandTable::GroupCount] = {"View",
                                                               "Menu",
                                                               "Calculator.Advanced",
                                                               "Calculator.Classic",
                                                               "Partition",
                                                               "Editor",
                                                               "Player",
                                                               "Diagnose",
                                                               "Online.Download",
                                                               "Online.Upload",
                                                               "Clipboard",
                                                               "Script.Player",
                                                               "Settings",
                                                               "System",
                                                               "File.Handling",
                                                               "File.Control"};

const char* const Modal = " 0=Non Modal, 1=Modal. When set to modal, macro waits for user input.";

constexpr Entry View[] = {
    {1, "Calculator", 0, "Shows the calculator tab."},
    {2, "Calculator.Advanced", 0, "Shows the advanced calculator."},
    {3, "Calculator.Classic", 0, "Shows the classic calculator."},
    {4, "Partition", 0, "Shows the partition tab."},
    {5, "Editor", 0, "Shows the editor tab."},
    {6, "Editor.Basic", 0, "Shows the basic editor."},
    {7, "Editor.Search/Replace", 0, "Shows search and replace."},
    {8, "Editor.Filters", 0, "Shows the filters."},
    {9, "Editor.Font", 0, "Shows the font page."},
    {11, "Editor.Shift", 10, "Shows the shift tool."},
    {12, "Editor.Stretch", 11, "Shows the stretch tool."},
    {13, "Editor.Time", 12, "Shows the time tool."},
    {14, "Editor.Frame rate", 13, "Shows the frame rate tool."},
    {15, "Player", 14, "Shows the player tab."},
    {17, "Diagnose", 15, "Shows the diagnose tab."},
    {18, "Macro", 16, "Shows the macros tab."},
    {19, "Online", 17, "Shows the online tab."},
    {20, "Online.Download", 18, "Shows the download page."},
    {21, "Online.Upload", 19, "Shows the upload page."},
    {24, "Clipboard", 20, "Shows the clipboard."},
    {25, "Script Player", 21, "Shows the script player."},
    {26, "Settings", 22, "Opens the settings window."},
    {27, "Messagebox", 30,
     "Opens the message window. Any text you enter as comment will be shown."},
    {28, "Inputbox", 30,
     "Opens the input window. Entered text as comment will be shown. Data you enter will be "
     "assigned to a variable."},
    {29, "SysWindow", 32, "Opens then system window."},
    {30, "SysWindow.System", 33, "Shows the system variables in the system window."},
    {31, "SysWindow.Macro", 34, "Shows the macro page of the system window."},
    {32, "SysWindow.Macro.Var", 35, "Shows the macro variables in the system window."},
    {33, "SysWindow.Macro.EL", 36, "Shows the execute list in the system window."},
    {34, "FileHandling", 37, "Opens the file window."},
    {40, "Settings.Default", 23, "Shows the default settings."},
    {41, "Settings.System.Audio", 24, "Shows the audio settings."},
    {42, "Settings.Language", 25, "Shows the language settings."},
    {43, "Settings.Startup", 26, "Shows the start-up settings."},
    {44, "Settings.System.Script", 27, "Shows the script settings."},
    {45, "Settings.System", 28, "Shows the system settings."},
    {46, "Settings.System.General", 28, "Shows the general system settings."},
    {50, "Main.Selection", 38, "Shows the navigation tree."},
    {51, "Instant.Help", 39, "Shows the instant help."},
};

constexpr Entry Menu[] = {
    {1, "File.New", 0, "Starts a new subtitle file."},
    {2, "File.Load", 0, "Opens a subtitle file."},
    {3, "File.Add", 0, "Adds a subtitle file to the current one."},
    {4, "Save.SubFile", 0, "Saves the subtitle file."},
    {5, "Save.Settings", 0, "Saves a settings file."},
    {6, "Print", 0, "Prints the subtitle file."},
    {7, "Online.Help", 0, "Opens the online help."},
    {8, "Show.Tips", 0, "Shows the tips."},
    {10, "About", 0, "Shows the about window."},
};

constexpr Entry Advanced[] = {
    {1, "Enter", 0, "Enters the formula into the current cel."},
    {2, "Clip", 0, "Copies the current cel to the clipboard."},
    {3, "Set.Function", 0, "Sets the cel type to function."},
    {4, "Set.Timecode", 0, "Sets the cel type to time code."},
    {5, "Set.Value", 0, "Sets the cel type to value."},
    {6, "Set.Text", 0, "Sets the cel type to text."},
    {7, "Set.Convert", 0, "Sets the cel type to convert."},
    {8, "Cel.Value", 0, "Current cel will get the text entered as comment."},
    {9, "Cel.Select", 0, "Select a cel. Usage x,y where x=column in (A-Z), y=row in (0-9)."},
    {10, "Tablet.New", 0, "Starts a new tablet."},
    {11, "Tablet.Select", 0, "Opens a tablet. Data is the tablet's name."},
    {12, "Function.Select", 0, "Selects a function. Data is its position."},
};

constexpr Entry Classic[] = {
    {1, "A+B", 0, "Adds B to A."},
    {2, "A-B", 0, "Subtracts B from A."},
    {3, "B-A", 0, "Subtracts A from B."},
    {4, "Cancel", 0, "Cancel the calculator action when invoked outside the calculator."},
    {5, "Reset", 0, "Reset all fields to 0."},
    {6, "Clear", 0, "Clears the result."},
    {7, "Clip.T", 0, "Copies the result time code to the clipboard."},
    {8, "Set.Date.On", 0, "Shows the date."},
    {9, "Set.Date.Off", 0, "Hides the date."},
    {10, "Set.Time.On", 0, "Shows the time."},
    {11, "Set.Time.Off", 0, "Hides the time."},
    {12, "Set.FPS to 23.970", 0, ""},
    {13, "Set.FPS to 24.000", 0, ""},
    {14, "Set.FPS to 25.000", 0, ""},
    {15, "Set.FPS to 29.970", 0, ""},
    {16, "Set.FPS to 30.000", 0, ""},
    {17, "Cel.A1.Value", 0, "Sets cel A1 to the data."},
    {18, "Cel.A2.Value", 0, "Sets cel A2 to the data."},
    {19, "Cel.A3.Value", 0, "Sets cel A3 to the data."},
    {20, "Cel.A4.Value", 0, "Sets cel A4 to the data."},
    {21, "Cel.B1.Value", 0, "Sets cel B1 to the data."},
    {22, "Cel.B2.Value", 0, "Sets cel B2 to the data."},
    {23, "Cel.B3.Value", 0, "Sets cel B3 to the data."},
    {24, "Cel.B4.Value", 0, "Sets cel B4 to the data."},
    {25, "mcrVar.Set.Cel.A1", 0, "Set mcrVar[x] to cel A1. Any Data will be varname."},
    {26, "mcrVar.Set.Cel.A2", 0, "Set mcrVar[x] to cel A2. Any Data will be varname."},
    {27, "mcrVar.Set.Cel.A3", 0, "Set mcrVar[x] to cel A3. Any Data will be varname."},
    {28, "mcrVar.Set.Cel.A4", 0, "Set mcrVar[x] to cel A4. Any Data will be varname."},
    {29, "mcrVar.Set.Cel.B1", 0, "Set mcrVar[x] to cel B1. Any Data will be varname."},
    {30, "mcrVar.Set.Cel.B2", 0, "Set mcrVar[x] to cel B2. Any Data will be varname."},
    {31, "mcrVar.Set.Cel.B3", 0, "Set mcrVar[x] to cel B3. Any Data will be varname."},
    {32, "mcrVar.Set.Cel.B4", 0, "Set mcrVar[x] to cel B4. Any Data will be varname."},
    {33, "mcrVar.Set.Cel.A1-A4", 0, "Set mcrVar[x] to cels A1 to A4."},
    {34, "mcrVar.Set.Cel.B1-B4", 0, "Set mcrVar[x] to cels B1 to B4."},
    {35, "Cel.T1.Value", 0, "Sets cel T1 to the data."},
    {36, "Cel.T2.Value", 0, "Sets cel T2 to the data."},
    {37, "Cel.T3.Value", 0, "Sets cel T3 to the data."},
    {38, "Cel.T4.Value", 0, "Sets cel T4 to the data."},
    {39, "mcrVar.Set.Cel.T1-T4", 0, "Set mcrVar[x] to cels T1 to T4."},
    {40, "mcrVar.Set.Cel.F1-F4", 0, "Set mcrVar[x] to cels F1 to F4."},
    {41, "Clip.F", 0, "Copies the result frames to the clipboard."},
};

constexpr Entry Partition[] = {
    {1, "Preview", 0, "Shows a preview of the current part."},
    {2, "Delete", 0, "Deletes the selected part."},
    {3, "Clear", 0, "Clears the part list."},
    {4, "Go", 0, "Writes the parts."},
    {5, "Set.DVD Subtitle", 0, ""},
    {6, "Set.JACOSub 2.7+", 0, ""},
    {7, "Set.MicroDVD", 0, ""},
    {8, "Set.Phoenix Japanimation", 0, ""},
    {9, "Set.PowerDivX", 0, ""},
    {10, "Set.RealTime", 0, ""},
    {11, "Set.SAMI", 0, ""},
    {12, "Set.SonicDVD", 0, ""},
    {13, "Set.SubRip", 0, ""},
    {14, "Set.SubStation Alpha", 0, ""},
    {15, "Set.SubViewer 1.0", 0, ""},
    {16, "Set.SubViewer 2.0", 0, ""},
    {17, "Set.TMPlayer", 0, ""},
    {18, "Set.Turbotitler", 0, ""},
    {19, "Set.ViPlay Subtitle File", 0, ""},
    {20, "Set.Zero G", 0, ""},
    {21, "Cel.Value", 0, "Current cel will get the text entered as data."},
    {22, "Format.Select", 0, "Selects the output format. Data is its position."},
    {23, "Preview.Exit", 0, "Closes the preview."},
};

constexpr Entry Editor[] = {
    {1, "Basic.Insert", 0, "Inserts a line."},
    {2, "Basic.Delete", 0, "Deletes the current line."},
    {3, "Basic.Clip", 0, "Copies the current line to the clipboard."},
    {4, "Basic.Change", 0, "Stores the edited line."},
    {5, "SR.Search.Text", 506, "Sets the search text."},
    {6, "SR.Replace.Text", 507, "Sets the replace text."},
    {7, "SR.Go", 508, "Runs search and replace."},
    {8, "Filter.Set.RH.On", 511, "Set remove hearing-impaired text on."},
    {9, "Filter.Set.RH.Off", 512, "Set remove hearing-impaired text off."},
    {10, "Filter.Go", 513, "Runs the filters."},
    {11, "Font.Go", 514, ""},
    {12, "Shift.Set.Direction.Beginning", 515, "Shifts towards the beginning."},
    {13, "Shift.Set.Direction.End", 516, "Shifts towards the end."},
    {14, "Shift.Go", 518, "Shifts the range."},
    {15, "Stretch.Go", 522, "Stretches the range."},
    {16, "Time.Go", 530, "Runs the time tool."},
    {17, "FR.Set.From.23.970", 538, ""},
    {18, "FR.Set.From.24.000", 539, ""},
    {19, "FR.Set.From.25.000", 540, ""},
    {20, "FR.Set.From.29.970", 541, ""},
    {21, "FR.Set.From.30.000", 542, ""},
    {22, "FR.Set.To.23.970", 543, ""},
    {23, "FR.Set.To.24.000", 544, ""},
    {24, "FR.Set.To.25.000", 545, ""},
    {25, "FR.Set.To.29.970", 546, ""},
    {26, "FR.Set.To.30.000", 547, ""},
    {27, "FR.Go", 548, "Converts the frame rate."},
    {28, "Cel.Select", 549, "Select a cel. Usage x,y where x=column, y=row."},
    {29, "Basic.Text", 505, "Sets the text of the current line."},
    {30, "Shift.Duration", 517, "Sets the duration time for shifting. Usage hh:mm:ss,fff."},
    {31, "Stretch.First", 523, "Sets the new first time. Usage hh:mm:ss,fff."},
    {32, "Stretch.Last", 524, "Sets the new last time. Usage hh:mm:ss,fff."},
    {33, "Stretch.Start", 525, "Set range start. Format x, where x is line#."},
    {34, "Stretch.End", 526, "Set range end. Format x, where x is line#."},
    {35, "Time.Start", 531, "Sets the start time. Usage hh:mm:ss,fff."},
    {36, "Time.End", 532, "Sets the end time. Usage hh:mm:ss,fff."},
    {37, "Time.Duration", 533, "Sets the duration. Usage hh:mm:ss,fff."},
    {38, "Time.Left", 534, ""},
    {39, "Time.Right", 535, ""},
    {40, "Time.Shrink", 536, ""},
    {41, "Time.Stretch", 537, ""},
    {42, "Shift.Start", 519, "Set range start. Format x, where x is line#."},
    {43, "Shift.End", 520, "Set range end. Format x, where x is line#."},
    {44, "Shift.Range.Toggle", 521, "Toggles the shift range."},
    {45, "Stretch.Range.Toggle", 527, "Toggles the stretch range."},
    {46, "SR.Set.Search", 509, "Sets the mode to search."},
    {47, "SR.Set.Replace", 510, "Sets the mode to replace."},
    {48, "mcrVar.Set.Basic", 550, "Basic.Text"},
    {49, "mcrVar.Set.Search", 551, "Search"},
    {50, "mcrVar.Set.Replace", 552, "Replace"},
    {51, "mcrVar.Set.Filters.CLL", 553, "Filters.CLL"},
    {52, "mcrVar.Set.Font.Name", 554, "Font.Name"},
    {53, "mcrVar.Set.Font.Type", 555, "Font.Type"},
    {54, "mcrVar.Set.Shift.Duration", 556, "Shift.Duration"},
    {55, "mcrVar.Set.Shift.Range.Start", 557, "Shift.Range.Start"},
    {56, "mcrVar.Set.Shift.Range.End", 558, "Shift.Range.End"},
    {57, "mcrVar.Set.Stretch.First", 559, "Stretch.First"},
    {58, "mcrVar.Set.Stretch.Last", 560, "Stretch.Last"},
    {59, "mcrVar.Set.Stretch.Range.Start", 561, "Stretch.Range.Start"},
    {60, "mcrVar.Set.Stretch.Range.End", 562, "Stretch.Range.End"},
    {61, "mcrVar.Set.Time.Start", 563, "Time.Start"},
    {62, "mcrVar.Set.Time.End", 564, "Time.End"},
    {63, "mcrVar.Set.Time.Duration", 565, "Time.Duration"},
    {64, "Filter.Set.CLL.On", 566, "Set correct long line on.^"},
    {65, "Filter.Set.CLL.Off", 567, "Set correct long line off.^"},
    {66, "Shift.Range.Node", 568, "Set Range node x, where x is node number. 0:=max range."},
    {67, "Stretch.Range.Node", 569, "Set Range node x, where x is node number. 0:=max range."},
};

// Editor positions 48 to 63 take the value named here into a macro variable.
constexpr int McrVarFirst = 48, McrVarLast = 63;

constexpr Entry Player[] = {
    {1, "Play", 0, "Plays the media file."},
    {2, "Stop", 0, "Stops the media file."},
    {3, "Clip", 0, "Copies the position to the clipboard."},
    {4, "Pauze", 0, "Pauses the media file."},
    {5, "Set.Start", 0, "Sets the start time of the current line."},
    {6, "Set.End", 0, "Sets the end time of the current line."},
    {7, "Delay.Set", 0, "Starts the delay measurement."},
    {8, "Delay.Reset", 0, "Resets the delay."},
    {9, "Delay.Use.On", 0, "Uses the delay."},
    {10, "Delay.Use.Off", 0, "Does not use the delay."},
    {11, "Delay.Time", 0, "Sets the delay. Usage hh:mm:ss,fff."},
};

constexpr Entry DiagnoseGroup[] = {
    {1, "Set.Check.EL.On", 0, "Check empty lines on."},
    {2, "Set.Check.EL.Off", 0, "Check empty lines off."},
    {3, "Set.Check.OL.On", 0, "Check overlapping lines on."},
    {4, "Set.Check.OL.Off", 0, "Check overlapping lines off."},
    {5, "Set.Check.ITL.On", 0, "Check invalid time lines on."},
    {6, "Set.Check.ITL.Off", 0, "Check invalid time lines off."},
    {7, "Set.Check.NL.On", 0, "Check long lines on."},
    {8, "Set.Check.NL.Off", 0, "Check long lines off."},
    {9, "Set.Count.Words.On", 0, "Count words on."},
    {10, "Set.Count.Words.Off", 0, "Count words off."},
    {11, "Set.Count.Multilines.On", 0, "Count multi lines on."},
    {12, "Set.Count.Multilines.Off", 0, "Count multi lines off."},
    {13, "Set.Count.DT.On", 0, "Count display time on."},
    {14, "Set.Count.DT.Off", 0, "Count display time off."},
    {15, "Set.Repair.Overlapping.On", 0, "Repair overlapping lines on."},
    {16, "Set.Repair.Overlapping.Off", 0, "Repair overlapping lines off."},
    {17, "Set.Repair.IL.On", 0, "Repair invalid lines on."},
    {18, "Set.Repair.IL.Off", 0, "Repair invalid lines off."},
    {19, "Go", 0, "Runs the diagnose."},
    {20, "Print", 0, "Prints the report."},
    {21, "Set.Repair.EL.On", 0, "Repair empty lines on."},
    {22, "Set.Repair.EL.Off", 0, "Repair empty lines off."},
};

constexpr Entry Download[] = {
    {1, "Set.All Formats", 0, ""},
    {2, "Set.DVD Subtitle", 0, ""},
    {3, "Set.JACOSub 2.7+", 0, ""},
    {4, "Set.MicroDVD", 0, ""},
    {5, "Set.Phoenix Japanimation", 0, ""},
    {6, "Set.PowerDivX", 0, ""},
    {7, "Set.RealTime", 0, ""},
    {8, "Set.SAMI", 0, ""},
    {9, "Set.SonicDVD", 0, ""},
    {10, "Set.SubRip", 0, ""},
    {11, "Set.SubStation Alpha", 0, ""},
    {12, "Set.SubViewer 1.0", 0, ""},
    {13, "Set.SubViewer 2.0", 0, ""},
    {14, "Set.TMPlayer", 0, ""},
    {15, "Set.Turbotitler", 0, ""},
    {16, "Set.ViPlay Subtitle File", 0, ""},
    {17, "Set.Zero G", 0, ""},
    {18, "All Languages", 0, ""},
    // 19 to 53: the languages.
    {54, "Update", 854, "Fetches the list of subtitles from the server."},
};

constexpr Entry Upload[] = {
    // 1 to 35: the languages, codes 0901 to 0935.
    {36, "Clear", 936, "Clears the upload log."},
    {37, "Send", 937, "Sends the current subtitle file."},
};

constexpr Entry ClipboardGroup[] = {
    {1, "Copy.To.A", 0, "Copies the item to cel A."},
    {2, "Copy.To.B", 0, "Copies the item to cel B."},
    {3, "Copy.To.Partitionlist", 0, "Copies the item to the part list."},
    {4, "Copy.To.Duration", 0, "Copies the item to the shift duration."},
    {5, "Copy.To.First", 0, "Copies the item to the stretch first time."},
    {6, "Copy.To.Last", 0, "Copies the item to the stretch last time."},
    {7, "Copy.To.Start", 0, "Copies the item to the time start."},
    {8, "Copy.To.End", 0, "Copies the item to the time end."},
    {9, "Delete", 0, "Deletes the item."},
    {10, "Clear", 0, "Clears the clipboard."},
    {11, "Length", 0, "Copies the media length to the clipboard."},
    {12, "Item.Select", 0, "Selects an item. Data is its position."},
};

constexpr Entry ScriptPlayer[] = {
    {1, "Sync", 0, "Synchronises the script player with the current line."},
    {2, "Play", 0, "Plays the script."},
    {3, "Stop", 0, "Stops the script."},
};

constexpr Entry SettingsGroup[] = {
    {1, "Set.Startup.LS.On", 0, ""},
    {2, "Set.Startup.LS.Off", 0, ""},
    {3, "Set.Startup.LLF.On", 0, ""},
    {4, "Set.Startup.LLF.Off", 0, ""},
    {5, "Set.Startup.UFTPL.On", 0, ""},
    {6, "Set.Startup.UFTPL.Off", 0, ""},
    {7, "Set.Startup.CFN.On", 0, ""},
    {8, "Set.Startup.CFN.Off", 0, ""},
    {9, "Set.Startup.ST.On", 0, ""},
    {10, "Set.Startup.ST.Off", 0, ""},
    {11, "Set.System.CE.On", 0, ""},
    {12, "Set.System.CE.Off", 0, ""},
    {13, "Set.System.ASS.On", 0, ""},
    {14, "Set.System.ASS.Off", 0, ""},
    {15, "Set.System.SP.On", 0, ""},
    {16, "Set.System.SP.Off", 0, ""},
    {17, "Set.System.LS.On", 0, ""},
    {18, "Set.System.LS.Off", 0, ""},
    {21, "Set.Script.ES.On", 1219, ""},
    {22, "Set.Script.ES.Off", 1220, ""},
    {23, "Set.Script.AS.On", 1221, ""},
    {24, "Set.Script.AS.Off", 1222, ""},
    {25, "Set.Sounds.FD.On", 1223, ""},
    {26, "Set.Sounds.FD.Off", 1224, ""},
    {33, "Set.Default.FR", 1225, "0=23.970, 1=24.000, 2=25.000, 3=29.970, 4=30.000"},
    {34, "Set.Default.CA.On", 1226, ""},
    {35, "Set.Default.CA.Off", 1227, ""},
    {36, "Set.Default.ASF.On", 1228, ""},
    {37, "Set.Default.ASF.Off", 1229, ""},
    {40, "Cancel", 1231, "Closes the settings window without saving."},
};

constexpr Entry SystemGroup[] = {
    {0, "Comment", 1301, "All text entered will be ignored by Mirel."},
    {1, "Call.Macro", 1302,
     "Start another macro. Data has to be the exact macro name. The called macro will be "
     "executed."},
    {2, "mcrVar.Set", 1303,
     "This will set anu value to the macro variable[x]. You also can use a system variable."},
    {3, "mcrVar.Clear", 1304,
     "Reset macro variable. Enter var number or range from 0-100. Entering nothing, all vars "
     "will be erased!"},
    {4, "Show.IH.File", 1305, "Shows a file in the instant help."},
    {5, "Item.Do.Macro", 1306,
     "Execute a macro after item is triggered. Format: x,macroname (case sensitive) where x is "
     "Trigger.Index."},
    {6, "If.Do", 1307, "Execute. Format: X=Y, X<Y, X>Y, where x and y are values"},
    {7, "If.Do.End", 1308, "Ends an If.Do block."},
    {8, "Macro.Exit", 1309, "Ends the macro."},
    {9, "Item.Wait", 1310, "Wait for an item to be triggered. Format: x where x is Trigger.Index."},
    {10, "mcrVar.Set.Node.Start", 1311,
     "This wil set the macro variable[x] to the Start value of node x. Format x, where x is the "
     "node number"},
    {11, "mcrVar.Set.Node.End", 1312,
     "This wil set the macro variable[x] to the End value of node x. Format x, where x is the "
     "node number"},
    {12, "For.Do", 1313, "Runs a loop from x to y. Format: x,y where x is the start and y the end"},
    {13, "For.Do.End", 1308, "Ends a For.Do loop."},
};

constexpr Entry FileHandling[] = {
    {0, "Set.Settings.Type", 1401, "0=All, 1 to 16=Subfile, 17=Settings, 18=Media"},
    {1, "Set.Check.SA.On", 1402, ""},
    {2, "Set.Check.SA.Off", 1403, ""},
    {3, "Load", 1404, "Load a file x, where x is the exact filename"},
};

constexpr Entry FileControl[] = {
    {0, "Set.AutoClose.On", 1501, ""},
    {1, "Set.AutoClose.Off", 1502, ""},
};

struct Group {
    const Entry* entries;
    std::size_t size;
};

template <std::size_t N> constexpr Group G(const Entry (&e)[N]) {
    return {e, N};
}

const Group Groups[MacroCommandTable::GroupCount] = {
    G(View),          G(Menu),        G(Advanced),       G(Classic),
    G(Partition),     G(Editor),      G(Player),         G(DiagnoseGroup),
    G(Download),      G(Upload),      G(ClipboardGroup), G(ScriptPlayer),
    G(SettingsGroup), G(SystemGroup), G(FileHandling),   G(FileControl)};

constexpr int DownloadGroup = 8, UploadGroup = 9, EditorGroup = 5, ViewGroup = 0;
constexpr int DownloadFirstLanguage = 19, UploadFirstLanguage = 1;

QString Code4(int code) {
    return QStringLiteral("%1").arg(code, 4, 10, QLatin1Char('0'));
}

// The cell's description as the table shows it.
QString Describe(int group, const Entry& e) {
    QString text = QString::fromLatin1(e.description);
    if (group == EditorGroup && e.position >= McrVarFirst && e.position <= McrVarLast)
        return QStringLiteral("Set mcrVar[x] to current ") + text +
               QStringLiteral(" value. Any Data will be varname.");
    if (group == ViewGroup && (e.position == 26 || e.position == 29)) text += QLatin1String(Modal);
    return text;
}

} // namespace

MacroCommandTable::MacroCommandTable() {
    build();
}

const QStringList& MacroCommandTable::languages() {
    static const QStringList list = {
        "Albanian", "Arabic",    "Brazillian", "Bulgarian",  "Chinees",  "Croatian", "Czech",
        "Danish",   "Dutch",     "English",    "Estonian",   "Finnish",  "French",   "German",
        "Greek",    "Hebrew",    "Hongarian",  "Icelandic",  "Italian",  "Japanese", "Korean",
        "Latvian",  "Norwegian", "Polish",     "Portuguese", "Romanian", "Russian",  "Serbian",
        "Slovak",   "Slovenian", "Spanish",    "Swedish",    "Thai",     "Turkish",  "Urdu"};
    return list;
}

void MacroCommandTable::build() {
    for (int g = 0; g < GroupCount; ++g)
        for (std::size_t i = 0; i < Groups[g].size; ++i) {
            const Entry& e = Groups[g].entries[i];
            put(g, e.position, QString::fromLatin1(e.name), e.code ? e.code : g * 100 + e.position,
                Describe(g, e));
        }
    const QStringList& names = languages();
    for (int k = 0; k < names.size(); ++k) {
        const QString name = QStringLiteral("Set.") + names[k];
        put(DownloadGroup, DownloadFirstLanguage + k, name, 819 + k, QString());
        put(UploadGroup, UploadFirstLanguage + k, name, 901 + k, QString());
    }
}

void MacroCommandTable::put(int group, int position, const QString& name, int code,
                            const QString& description) {
    cells_[static_cast<std::size_t>(group)][static_cast<std::size_t>(position)] =
        name + u';' + description + u'^' + Code4(code);
    byName_.insert(groupName(group) + u'.' + name, Position{group, position});
    ++count_;
}

QString MacroCommandTable::groupName(int group) {
    if (group < 0 || group >= GroupCount) return QString();
    return QString::fromLatin1(GroupNames[group]);
}

QStringList MacroCommandTable::groupNames() {
    QStringList names;
    for (int g = 0; g < GroupCount; ++g)
        names << groupName(g);
    return names;
}

QString MacroCommandTable::cell(int group, int position) const {
    if (group < 0 || group >= Rows || position < 0 || position >= Positions) return QString();
    return cells_[static_cast<std::size_t>(group)][static_cast<std::size_t>(position)];
}

QString MacroCommandTable::name(int group, int position) const {
    const QString c = cell(group, position);
    return c.left(c.indexOf(u';'));
}

QString MacroCommandTable::description(int group, int position) const {
    const QString c = cell(group, position);
    const qsizetype semi = c.indexOf(u';');
    if (semi < 0) return QString();
    const qsizetype caret = c.indexOf(u'^', semi);
    return c.mid(semi + 1, caret < 0 ? -1 : caret - semi - 1);
}

int MacroCommandTable::code(int group, int position) const {
    const QString c = cell(group, position);
    if (c.isEmpty()) return -1;
    return c.right(4).toInt();
}

QString MacroCommandTable::fullName(int group, int position) const {
    if (cell(group, position).isEmpty()) return QString();
    return groupName(group) + u'.' + name(group, position);
}

MacroCommandTable::Position MacroCommandTable::find(const QString& fullName) const {
    return byName_.value(fullName);
}

MacroCommandTable::Position MacroCommandTable::findByCode(int code) const {
    const int group = code / 100;
    if (code < 0 || group >= Rows) return {};
    const QString key = Code4(code);
    for (int pos = 0; pos < Positions; ++pos) {
        const QString& c = cells_[static_cast<std::size_t>(group)][static_cast<std::size_t>(pos)];
        if (!c.isEmpty() && c.endsWith(key)) return {group, pos};
    }
    return {};
}

std::vector<MacroCommandTable::Position> MacroCommandTable::entries() const {
    std::vector<Position> all;
    all.reserve(static_cast<std::size_t>(count_));
    for (int g = 0; g < Rows; ++g)
        for (int pos = 0; pos < Positions; ++pos)
            if (!cell(g, pos).isEmpty()) all.push_back({g, pos});
    return all;
}
