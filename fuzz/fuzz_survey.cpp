// The survey edition's text file holds the address opened at the end; any
// content must load, and only a web address may reach the browser.
#include <cstdlib>

#include "fuzzroot.h"
#include "meta/survey.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzstart();
    fuzzfile("survey/survey-texts.txt", data, size);
    loadsurveytexts();
    if (survey.surveylink.size() > size) std::abort();
    opensurveylink();
    for (const auto& url : pf::ctl::openedurls())
        if (url.rfind("http://", 0) != 0 && url.rfind("https://", 0) != 0) std::abort();
    return 0;
}
