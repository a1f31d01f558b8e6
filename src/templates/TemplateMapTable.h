#pragma once

// The rules that map the device configuration XML to key-file lines, in the
// order the key file receives them.
class TemplateMapTable {
public:
    static const char* const* Rules();
    static int Count();
};
