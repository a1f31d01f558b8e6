#pragma once
#include "mib/Catalogue.h"
#include <string>

// Catalogue instances that lie inside a table's columns without being rows of
// the table: the site survey's second numbering (".2.1.N.2", shifted by one
// column) and a second index form of two Multi-SSID columns (".5.1.n",
// ".6.1.n"). The device does not serve them, so that a walk of a column lists
// exactly the table's rows.
inline bool IsSecondNumbering(const std::string& oid) {
    const std::string root = Catalogue::EnterpriseRoot;
    const std::string survey = root + ".2.1.3.3.1.3.2.1.";
    if (oid.rfind(survey, 0) == 0 && oid.find('.', survey.size()) != std::string::npos)
        return true;
    for (const char* column : {".3.3.3.1.5.1.", ".3.3.3.1.6.1."})
        if (oid.rfind(root + column, 0) == 0)
            return true;
    return false;
}
