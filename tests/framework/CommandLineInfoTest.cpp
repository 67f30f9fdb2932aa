// How command-line arguments become the shell command to carry out.
#include "CommandLineInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
struct ParseCase
{
    std::vector<std::string> args;    // as the runtime split them
    CCommandLineInfo::ShellCommand command;
    const char* pszFileName;
    BOOL bEmbedded;
    BOOL bAutomated;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    for (const std::string& arg : c.args)
        *os << "[" << arg << "]";
}

// The arguments fed the way CWinApp::ParseCommandLine feeds them.
CCommandLineInfo Parse(const std::vector<std::string>& args)
{
    CCommandLineInfo info;
    for (size_t i = 0; i < args.size(); ++i)
    {
        const char* psz = args[i].c_str();
        const BOOL bFlag = psz[0] == '-' || psz[0] == '/';
        info.ParseParam(bFlag ? psz + 1 : psz, bFlag, i + 1 == args.size());
    }
    return info;
}

class CommandLineTest : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(CommandLineTest, ArgumentsGiveTheShellCommand)
{
    const ParseCase& c = GetParam();
    const CCommandLineInfo info = Parse(c.args);
    EXPECT_EQ(c.command, info.m_nShellCommand);
    EXPECT_EQ(CString(c.pszFileName), info.m_strFileName);
    EXPECT_EQ(c.bEmbedded, info.m_bRunEmbedded);
    EXPECT_EQ(c.bAutomated, info.m_bRunAutomated);
}

using Cmd = CCommandLineInfo;

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLineTest,
    ::testing::Values(
        ParseCase{ {}, Cmd::FileNew, "", FALSE, FALSE },
        ParseCase{ { "a.txt" }, Cmd::FileOpen, "a.txt", FALSE, FALSE },
        ParseCase{ { "a.txt", "b.txt" }, Cmd::FileOpen, "a.txt", FALSE, FALSE },
        ParseCase{ { "/p", "a.txt" }, Cmd::FilePrint, "a.txt", FALSE, FALSE },
        ParseCase{ { "a.txt", "-p" }, Cmd::FilePrint, "a.txt", FALSE, FALSE },
        ParseCase{ { "/pt", "a.txt", "printer", "driver", "port" }, Cmd::FilePrintTo, "a.txt", FALSE, FALSE },
        // "p", "pt" and "dde" only in exactly this case.
        ParseCase{ { "/P", "a.txt" }, Cmd::FileOpen, "a.txt", FALSE, FALSE },
        ParseCase{ { "/PT", "a.txt" }, Cmd::FileOpen, "a.txt", FALSE, FALSE },
        ParseCase{ { "/dde" }, Cmd::FileDDE, "", FALSE, FALSE },
        ParseCase{ { "/DDE" }, Cmd::FileNew, "", FALSE, FALSE },
        // The registration and server switches in any case.
        ParseCase{ { "/Register" }, Cmd::AppRegister, "", FALSE, FALSE },
        ParseCase{ { "-REGSERVER" }, Cmd::AppRegister, "", FALSE, FALSE },
        ParseCase{ { "/regserver" }, Cmd::AppRegister, "", FALSE, FALSE },
        ParseCase{ { "/Unregister" }, Cmd::AppUnregister, "", FALSE, FALSE },
        ParseCase{ { "-unregserver" }, Cmd::AppUnregister, "", FALSE, FALSE },
        ParseCase{ { "/Unregister", "/Embedding" }, Cmd::AppUnregister, "", TRUE, FALSE },
        ParseCase{ { "/embedding" }, Cmd::FileNew, "", TRUE, FALSE },
        ParseCase{ { "-AUTOMATION" }, Cmd::FileNew, "", FALSE, TRUE },
        ParseCase{ { "/Embedding", "a.txt" }, Cmd::FileOpen, "a.txt", TRUE, FALSE },
        ParseCase{ { "a.txt", "/Register" }, Cmd::AppRegister, "a.txt", FALSE, FALSE },
        // Anything else is ignored.
        ParseCase{ { "/x" }, Cmd::FileNew, "", FALSE, FALSE },
        ParseCase{ { "/print", "a.txt" }, Cmd::FileOpen, "a.txt", FALSE, FALSE },
        ParseCase{ { "-" }, Cmd::FileNew, "", FALSE, FALSE }));

TEST(CommandLineInfoTest, PrintToTakesPrinterDriverAndPortAfterTheFile)
{
    const CCommandLineInfo info = Parse({ "/pt", "a.txt", "printer", "driver", "port", "extra" });
    EXPECT_EQ(CString("printer"), info.m_strPrinterName);
    EXPECT_EQ(CString("driver"), info.m_strDriverName);
    EXPECT_EQ(CString("port"), info.m_strPortName);

    const CCommandLineInfo print = Parse({ "/p", "a.txt", "printer" });
    EXPECT_EQ(CString(""), print.m_strPrinterName) << "only after \"pt\"";
}
}
