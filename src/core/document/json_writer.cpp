#include "document/json_writer.h"

#include <cstdio>

namespace zem {

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string TextJson(const Text& text) {
    if (!text.marked()) return JsonString(text.value());
    std::string out = "{\"c\":" + JsonString(text.context()) + ",\"s\":" + JsonString(text.source());
    if (!text.args().empty()) {
        out += ",\"a\":[";
        for (const Text& arg : text.args()) out += (out.back() == '[' ? "" : ",") + TextJson(arg);
        out += ']';
    }
    return out + '}';
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (depth_.empty()) return;
    if (depth_.back()) out_ += ',';
    depth_.back() = true;
    out_ += '\n';
    out_.append(depth_.size() * 2, ' ');
}

void JsonWriter::open(char bracket) {
    beforeValue();
    out_ += bracket;
    depth_.push_back(false);
}

void JsonWriter::close(char bracket) {
    const bool hadMembers = depth_.back();
    depth_.pop_back();
    if (hadMembers) {
        out_ += '\n';
        out_.append(depth_.size() * 2, ' ');
    }
    out_ += bracket;
}

JsonWriter& JsonWriter::beginObject() {
    open('{');
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    close('}');
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    open('[');
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    close(']');
    return *this;
}

JsonWriter& JsonWriter::key(const std::string& name) {
    beforeValue();
    out_ += JsonString(name) + ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(const std::string& text) {
    beforeValue();
    out_ += JsonString(text);
    return *this;
}

JsonWriter& JsonWriter::value(long long number) {
    beforeValue();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
    return *this;
}

}  // namespace zem
