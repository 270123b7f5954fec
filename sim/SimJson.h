#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// A small JSON writer for the simulator's dumps (one line, no pretty-printing).
class SimJson
{
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(const std::string &name);
    void field(const std::string &name, const std::string &value);
    void field(const std::string &name, const char *value);
    void field(const std::string &name, int64_t value);
    void boolField(const std::string &name, bool value);
    void intArrayField(const std::string &name, std::initializer_list<int> values);
    const std::string &text() const { return m_text; }

    static std::string quoted(const std::string &value);

private:
    void separate();

    std::string m_text;
    std::vector<bool> m_first; // per open object or array: nothing written into it yet
    bool m_afterKey = false;
};
