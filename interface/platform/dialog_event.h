// The logical events a dialog procedure receives from its host.
#pragma once

namespace velmar {

struct DialogEvent {
    enum Kind {
        Opened,        // the controls exist; the procedure fills them
        Clicked,       // a button, check box, radio button or link (id)
        FieldEntered,  // an edit field gained the focus (id)
        FieldLeft,     // an edit field lost the focus (id)
        TextEdited,    // the user changed the text of a field (id)
        ItemChanged,   // the user changed the check mark of a check-list item, or chose an item of a
                       // choice list (id, item)
        Spin,          // the user moved a spin control (id, position)
        Ok,            // the OK button, or Enter on the default OK button
        Cancel,        // the Cancel button, Escape, or the close box
    };
    Kind kind = Opened;
    int id = 0;
    int item = -1;
    int position = 0;
};

// Ids the hosts treat specially: a click on kOkId is the Ok event, on kCancelId the Cancel event.
constexpr int kOkId = 1;
constexpr int kCancelId = 2;

// The event a click on a control raises.
inline DialogEvent ClickEvent(int id) {
    if (id == kOkId) return {DialogEvent::Ok, id};
    if (id == kCancelId) return {DialogEvent::Cancel, id};
    return {DialogEvent::Clicked, id};
}

}  // namespace velmar
