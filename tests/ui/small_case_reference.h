#pragma once

#include "protect/base64.h"
#include "protect/cipher.h"
#include "protect/reference_container.h"

#include <string>

// The embedded reference data with MinInsuranceYears 0, so that a case of a few paid months has
// a right to a pension and its calculated ledger, case file and exports stay small. Every other
// figure is the program's own.
inline const rv::StoredReferenceData& smallCaseReference() {
    static const std::string minInsuranceYears =
        rv::EncodeBase64(rv::CipherText("0", rv::ProgramCipherKey(), true));
    static const rv::StoredReferenceData stored = [] {
        rv::StoredReferenceData data = rv::EmbeddedReferenceData();
        data.scalars[0] = minInsuranceYears;
        return data;
    }();
    return stored;
}
