#pragma once

#include "script_record.h"

#include <string>

namespace vmcntrl {

// What the script editor's controls hold, without the controls: the window maps its widgets
// to this and back, and every rule about what a stored script means lives here.
enum class SaveStyle { Discard, Comma, Text, Template };
enum class InsertMode { BeforeOld, AfterOld, NewDocument };
enum class Response { Simple, Template, Url };

struct EditorState {
    // Form tab
    std::string form;
    bool allowOnly = false;
    // Save to File tab
    SaveStyle saveStyle = SaveStyle::Template;
    InsertMode insert = InsertMode::BeforeOld;
    std::string writeToFile;
    std::string outputTemplate;
    std::string newDocumentDirectory;
    // Send to Browser tab; the template box shows "Default" for the simple confirmation
    Response response = Response::Simple;
    std::string confirmationTemplate;
    std::string url;
    std::string windowTarget;
    // Email Options tab
    bool letter = false;
    std::string letterBody;
    std::string from;
    bool useFrom = false;
    std::string subject;
    bool useSubject = false;
    bool copyTo = false;
    std::string copyToText;

    bool operator==(const EditorState&) const = default;
};

inline constexpr std::string_view kDefaultConfirmation = "Default";
inline constexpr std::string_view kUseFormFrom = "Use 'From' from Form";
inline constexpr std::string_view kUseFormSubject = "Use 'Subject' from Form";

// What a stored script shows in the editor. Value words compare exactly; only Confirm also
// takes "Yes". Unknown or absent words fall to the send-to-URL response and the
// template-into-new-document save, as the processor itself treats them.
EditorState interpretScript(const ScriptRecord& record);

// The record a save writes. Keys that the chosen options do not use keep the value the
// editor last held for them (the script as last loaded or saved), so switching an option
// back and forth and saving never throws away a stored path.
ScriptRecord collectScript(const EditorState& state, const ScriptRecord& lastHeld);

// The words the insert-new-entries options store in Append.
std::string_view appendWord(InsertMode mode);

} // namespace vmcntrl
