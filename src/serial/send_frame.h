#pragma once
// The send-with-acknowledge of every upload frame: the frame is written until
// the device accepts it, the operator gives up or the device ends the exchange.

#include <cstdint>
#include <string>

#include "core/main_form_link.h"
#include "platform/serial/serial_port.h"

namespace serial {

// What an exchange needs of the document: its port and its main form.
struct LinkContext {
  platform::SerialPort& port;
  MainFormLink* form = nullptr;  // may be null: no progress texts and no cancel flag to share
};

// True when the device acknowledged the frame (0xFA or 0xF4) and nobody cancelled;
// false when cancelled, ended by the device (0x1C), the last read got nothing,
// or the device disconnected. `text` is shown with the try number appended.
// `wait` is passed by the callers and not consulted: 0xF5 is resent like any other answer.
bool SendFrame(int length, const uint8_t* frame, const std::string& text, int pos, LinkContext& link, bool wait);

}  // namespace serial
