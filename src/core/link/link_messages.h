#pragma once

#include "text.h"

namespace zem {

// The texts the radio link shows the user, word for word, marked for
// translation in the context kTextLink ("zem::Link").
extern const char* const kMsgOpenPortFailed;       // "Could not Open the Port,Please check ..."
extern const char* const kMsgDetectingPort;        // "Now are detecting communication port,Please wait..."
extern const char* const kMsgWaitingForRadio;      // "Waiting the response from radio..."
extern const char* const kMsgCommunicationError;   // "Communication error ,Please check ..."
extern const char* const kMsgShortReply;           // "Not received enough byte"
extern const char* const kMsgProgramInterrupted;   // "Program interruput,please reset the radio and try again"
extern const char* const kMsgPowerWriteInterrupted;  // the same with a leading blank (power write)
extern const char* const kTitleReading;            // "Reading Data Progress"
extern const char* const kTitleWriting;            // "Writing Data Progress"
extern const char* const kProgressReady;           // "Ready ......"
// The message of a verify whose read-back failed after a complete write, %1
// the read-back's own message (or kMsgRadioDidNotAnswer); kMsgVerifyReadFailed
// is its English head, what comes before the reason.
extern const char* const kMsgVerifyReadFailedBecause;  // "The radio took the whole write, but ... failed: %1"
extern const char* const kMsgVerifyReadFailed;     // "The radio took the whole write, but reading it back ... failed: "
extern const char* const kMsgRadioDidNotAnswer;    // "the radio did not answer"
// The serial line reported an I/O error, %1 what the port says about it.
extern const char* const kMsgLineFailed;           // "the line failed: %1"
// A write cancelled among its blocks: what the radio now holds.
extern const char* const kMsgWriteStopped;         // "The write was stopped before the end: ..."

// A text of the link as a message, with the values of its places.
inline Text LinkText(const char* source, std::vector<Text> values = {}) {
    return Text(kTextLink, source, std::move(values));
}

}  // namespace zem
