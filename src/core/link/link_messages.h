#pragma once

namespace zem {

// The texts the radio link shows the user, word for word.
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
// Heads the message of a verify whose read-back failed after a complete write.
extern const char* const kMsgVerifyReadFailed;     // "The radio took the whole write, but reading it back ..."
// A write cancelled among its blocks: what the radio now holds.
extern const char* const kMsgWriteStopped;         // "The write was stopped before the end: ..."

}  // namespace zem
