#pragma once

#include "text.h"

#include <string>
#include <vector>

namespace zem {

// The text as a JSON string literal: quotes, backslashes and control
// characters escaped, every other byte (UTF-8 included) passed through.
std::string JsonString(const std::string& text);

// A core message as JSON, for a front end that translates it itself (the
// browser edition): a marked text is {"c": context, "s": source, "a":
// [values...]} ("a" left out when it has none), each value the same again;
// a plain value is its string.
std::string TextJson(const Text& text);

// Writes indented JSON, keeping track of commas. Calls must nest properly:
// inside an object every value is preceded by key().
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(const std::string& name);
    JsonWriter& value(const std::string& text);
    JsonWriter& value(const char* text) { return value(std::string(text)); }
    JsonWriter& value(long long number);
    JsonWriter& value(int number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(bool flag);

    // The document so far, with a final line break once it is complete.
    std::string text() const { return out_ + (depth_.empty() && !out_.empty() ? "\n" : ""); }

private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);

    std::string out_;
    std::vector<bool> depth_;  // per open container: has it a member yet
    bool afterKey_ = false;
};

}  // namespace zem
