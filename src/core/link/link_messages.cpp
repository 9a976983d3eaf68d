#include "link/link_messages.h"

namespace zem {

const char* const kMsgOpenPortFailed = "Could not Open the Port,Please check whether the Port are occupied or the device are ok";
const char* const kMsgDetectingPort = "Now are detecting communication port,Please wait...";
const char* const kMsgWaitingForRadio = "Waiting the response from radio...";
const char* const kMsgCommunicationError = "Communication error ,Please check all the connections and the radio power";
const char* const kMsgShortReply = "Not received enough byte";
const char* const kMsgProgramInterrupted = "Program interruput,please reset the radio and try again";
const char* const kMsgPowerWriteInterrupted = " Program interruput,please reset the radio and try again";
const char* const kTitleReading = "Reading Data Progress";
const char* const kTitleWriting = "Writing Data Progress";
const char* const kProgressReady = "Ready ......";
const char* const kMsgVerifyReadFailed =
    "The radio took the whole write, but reading it back to check it failed: ";
const char* const kMsgWriteStopped =
    "The write was stopped before the end: the radio now holds part of this program and part of what it held "
    "before. Write it again before using the radio.";

}  // namespace zem
