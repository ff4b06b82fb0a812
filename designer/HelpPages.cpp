#include "designer/HelpPages.h"

#include "platform/AppFolder.h"
#include "platform/Shell.h"

const HelpPage (&helpPages())[6] {
    static const HelpPage pages[6] = {
        {"HelpIndex", "Index", "help/Help.html"},
        {"s1", "Sample1 - Slide From Left", "samples/sample1.html"},
        {"s2", "Sample2 - Slide From Right", "samples/sample2.html"},
        {"s3", "Sample3 - Slide From Top", "samples/sample3.html"},
        {"s4", "Sample4 - Slide From Middle", "samples/sample4.html"},
        {"s5", "Sample 5 - Check All Effects", "samples/samples.html"},
    };
    return pages;
}

void OpenHelpPage(const QString& relative) { shell().openDocument(AppFolder::file(relative)); }
