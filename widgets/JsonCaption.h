#pragma once

#include <QString>

struct cJSON;

// A layout file's key caption: the value as the JSON printer writes it, read as local 8-bit text,
// with every double quote removed. Escapes stay as printed, so a quote inside the value leaves
// its backslash and a backslash becomes two. Empty when the value cannot be printed.
QString printedCaption(const cJSON *value);
