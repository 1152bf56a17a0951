// --spectrum-file: the file's bytes, where they go, and the usage errors of the option.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/RunCli.h"
#include "engine/CalculateFromTexts.h"
#include "spectrumfile/SaveSpectrumFile.h"
#include "text/NumberSeparators.h"

namespace gb {
namespace {

TEST(SpectrumFileCli, UsageErrors) {
  const struct {
    std::vector<std::string_view> args;
    std::string error;  // empty: it runs
  } kCases[] = {
      {{"--spectrum-file", "sgs", "--level", "rare"}, ""},
      {{"--spectrum-file=csv"}, ""},
      {{"--spectrum-file", "csi", "--level", "极罕遇地震动", "--output", "-"}, ""},
      {{"--spectrum-file", "SGS"},
       "'SGS' is not a spectrum file format; write sgs, csi, opensees or csv"},
      {{"--spectrum-file", "opensees"},
       "--spectrum-file opensees needs --level frequent, basic, rare or very-rare"},
      {{"--spectrum-file", "sgs", "--level", "very_rare"},
       "'very_rare' is not a level; write frequent, basic, rare or very-rare (or 多遇地震动, "
       "基本地震动, 罕遇地震动, 极罕遇地震动)"},
      {{"--spectrum-file", "csv", "--level", "basic"},
       "--spectrum-file csv holds the four levels side by side; it takes no --level"},
      {{"--level", "basic"}, "--level needs --spectrum-file"},
      {{"--spectrum-file", "csv", "--report", "r.csv"},
       "--spectrum-file does not go with --batch, --report, --pdf, --chart, --format or --period"},
      {{"--spectrum-file", "csv", "--period", "1"},
       "--spectrum-file does not go with --batch, --report, --pdf, --chart, --format or --period"},
      {{"--spectrum-file", "csv", "--input-encoding", "GBK"}, "--input-encoding needs --batch"},
      {{"--output", "x.txt"}, "--output and --input-encoding need --batch"},
  };
  for (const auto& c : kCases) {
    const ParsedCommandLine parsed = ParseCommandLine(c.args);
    EXPECT_EQ(parsed.action, c.error.empty() ? CliAction::Run : CliAction::UsageError) << c.error;
    EXPECT_EQ(parsed.error, c.error);
  }
}

// The Chinese level names as typed under a GBK locale.
TEST(SpectrumFileCli, LevelNamesInTheCommandLinesCodePage) {
  const std::vector<std::string_view> args = {"--spectrum-file", "sgs", "--level",
                                              "\xBB\xF9\xB1\xBE\xB5\xD8\xD5\xF0\xB6\xAF"};
  const ParsedCommandLine parsed = ParseCommandLine(args, "GBK");
  ASSERT_EQ(parsed.action, CliAction::Run) << parsed.error;
  EXPECT_EQ(parsed.options.spectrumLevel, lvBasic);
}

// Characters the code page cannot hold become "?", are named, and the run fails, as for the
// report.
TEST(SpectrumFileCli, LostCharactersAreNamed) {
  std::ostringstream out, err;
  EXPECT_EQ(RunCli(std::vector<std::string_view>{"--spectrum-file", "csi", "--level", "rare",
                                                 "--encoding", "ISO-8859-1"},
                   out, err),
            1);
  EXPECT_NE(err.str().find("the spectrum file: characters ISO-8859-1 cannot represent were "
                           "written as \"?\" in lines 1-2"),
            std::string::npos)
      << err.str();
  EXPECT_TRUE(out.str().starts_with("$ GB 18306-2015 ?"));
}

// The bytes are the form's, to the standard output or through the safe write to --output.
TEST(SpectrumFileCli, WritesTheFormsBytes) {
  DecimalSeparator = u'.';
  ThousandSeparator = u',';
  const ParameterSet p = CalculateFromTexts({3, 1, "2.9", "1.9", "0.3333", "0.03", "0.05", "2.5"});
  const std::string expected =
      SpectrumFileBytes(SpectrumFileFormat::OpenSees, {"0.20", "0.40", p, lvRare, scIII}, "GBK");
  std::ostringstream out, err;
  ASSERT_EQ(
      RunCli(std::vector<std::string_view>{"--pga", "0.20", "--zone", "0.40", "--rare-tg-increment",
                                           "0.03", "--site", "III", "--spectrum-file", "opensees",
                                           "--level", "rare", "--encoding", "GBK"},
             out, err),
      0)
      << err.str();
  EXPECT_EQ(out.str(), expected);

  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "gb-spectrum-cli-test.txt";
  std::filesystem::remove(file);
  const std::string name = file.string();
  std::ostringstream none;
  ASSERT_EQ(RunCli(std::vector<std::string_view>{"--spectrum-file", "csi", "--level", "basic",
                                                 "--encoding", "UTF-8", "--output", name},
                   none, err),
            0)
      << err.str();
  EXPECT_TRUE(none.str().empty());
  std::ifstream in(file, std::ios::binary);
  const std::string written{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(written,
            SpectrumFileBytes(SpectrumFileFormat::Csi,
                              {"0.05", "0.35", CalculateFromTexts(kDesignedInputs), lvBasic, scII},
                              "UTF-8"));
  in.close();
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace gb
