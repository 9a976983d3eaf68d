#include "link/link_messages.h"

#include "translate.h"

namespace zem {

const char* const kMsgOpenPortFailed = ZEM_TRANSLATE_NOOP("zem::Link", "Could not Open the Port,Please check whether the Port are occupied or the device are ok");
const char* const kMsgDetectingPort = ZEM_TRANSLATE_NOOP("zem::Link", "Now are detecting communication port,Please wait...");
const char* const kMsgWaitingForRadio = ZEM_TRANSLATE_NOOP("zem::Link", "Waiting the response from radio...");
const char* const kMsgCommunicationError = ZEM_TRANSLATE_NOOP("zem::Link", "Communication error ,Please check all the connections and the radio power");
const char* const kMsgShortReply = ZEM_TRANSLATE_NOOP("zem::Link", "Not received enough byte");
const char* const kMsgProgramInterrupted = ZEM_TRANSLATE_NOOP("zem::Link", "Program interruput,please reset the radio and try again");
const char* const kMsgPowerWriteInterrupted = ZEM_TRANSLATE_NOOP("zem::Link", " Program interruput,please reset the radio and try again");
const char* const kTitleReading = ZEM_TRANSLATE_NOOP("zem::Link", "Reading Data Progress");
const char* const kTitleWriting = ZEM_TRANSLATE_NOOP("zem::Link", "Writing Data Progress");
const char* const kProgressReady = ZEM_TRANSLATE_NOOP("zem::Link", "Ready ......");
const char* const kMsgVerifyReadFailed = "The radio took the whole write, but reading it back to check it failed: ";
const char* const kMsgVerifyReadFailedBecause =
    ZEM_TRANSLATE_NOOP("zem::Link", "The radio took the whole write, but reading it back to check it failed: %1");
const char* const kMsgWriteStopped =
    ZEM_TRANSLATE_NOOP("zem::Link", "The write was stopped before the end: the radio now holds part of this program and part of what it held "
    "before. Write it again before using the radio.");
const char* const kMsgLineFailed = ZEM_TRANSLATE_NOOP("zem::Link", "the line failed: %1");
const char* const kMsgRadioDidNotAnswer = ZEM_TRANSLATE_NOOP("zem::Link", "the radio did not answer");

}  // namespace zem
