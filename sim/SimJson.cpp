#include "sim/SimJson.h"

#include <cstdio>

void SimJson::separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.empty()) {
        if (!m_first.back())
            m_text += ',';
        m_first.back() = false;
    }
}

void SimJson::beginObject()
{
    separate();
    m_text += '{';
    m_first.push_back(true);
}

void SimJson::endObject()
{
    m_text += '}';
    m_first.pop_back();
}

void SimJson::beginArray()
{
    separate();
    m_text += '[';
    m_first.push_back(true);
}

void SimJson::endArray()
{
    m_text += ']';
    m_first.pop_back();
}

void SimJson::key(const std::string &name)
{
    separate();
    m_text += quoted(name) + ':';
    m_afterKey = true;
}

void SimJson::field(const std::string &name, const std::string &value)
{
    key(name);
    separate();
    m_text += quoted(value);
}

void SimJson::field(const std::string &name, const char *value)
{
    field(name, std::string(value));
}

void SimJson::field(const std::string &name, int64_t value)
{
    key(name);
    separate();
    m_text += std::to_string(value);
}

void SimJson::boolField(const std::string &name, bool value)
{
    key(name);
    separate();
    m_text += value ? "true" : "false";
}

void SimJson::intArrayField(const std::string &name, std::initializer_list<int> values)
{
    key(name);
    beginArray();
    for (int value : values) {
        separate();
        m_text += std::to_string(value);
    }
    endArray();
}

std::string SimJson::quoted(const std::string &value)
{
    std::string result = "\"";
    for (const char c : value) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            result += '\\';
            result += c;
        } else if (u < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", u);
            result += escaped;
        } else {
            result += c;
        }
    }
    return result + '"';
}
