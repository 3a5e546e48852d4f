#include "QtPrinters.h"
#include "ui/FileAssociation.h"

#include <gtest/gtest.h>

namespace {

TEST(FileAssociation, TheOpenCommandQuotesTheProgramAndTheFile)
{
    EXPECT_EQ(projectOpenCommand(QStringLiteral("/opt/yunshan/bin/yunshan")),
              QStringLiteral("\"/opt/yunshan/bin/yunshan\" \"%1\""));
    EXPECT_TRUE(projectOpenCommand(QStringLiteral("/Program Files/云杉/yunshan.exe")).startsWith(QLatin1Char('"')));
}

} // namespace
