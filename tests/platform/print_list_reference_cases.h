// Small print lists, one per construct of the format, whose pages the viewer's tests compare with
// the committed reference images (tests/platform/print_list_references/<name>-<page>.png).
#pragma once

#include <string>
#include <vector>

struct Reference_Case {
    const char* name;
    int pages;
    std::string text;                      // CP437
};

std::vector<Reference_Case> Print_List_Reference_Cases();
