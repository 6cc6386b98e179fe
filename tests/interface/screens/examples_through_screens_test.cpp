// The shipped example projects are projects the screens could have written: opened and
// passed through the system, constituent and inflow screens with OK alone, they raise no
// message and give the model the same results as before.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "interface/resources/command_ids.h"
#include "interface/resources/templates.h"
#include "interface/shell/menu_commands.h"
#include "model/driver.h"
#include "model/input.h"
#include "project/project_file.h"
#include "tests/interface/support/shell_fixture.h"

namespace velmar::testing {
namespace {

// What the engine computes for a project, after its trip through the project file.
ModelResults Evaluate(const ProjectRecord& r, const std::string& path) {
    EXPECT_EQ(WriteProjectFile(path, r), 0);
    auto s = std::make_unique<ModelState>();
    SetEngineStartValues(*s);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(path.c_str(), "r"), std::fclose);
    ReadModelInput(in.get(), *s);
    ComputeModel(*s);
    return *s;
}

class ExampleThroughScreens : public ShellTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ExampleThroughScreens, AcceptingEveryScreenAsItStandsChangesNoResult) {
    const std::string example = std::string(VELMAR_SOURCE_DIR "/examples/") + GetParam();
    ASSERT_EQ(ReadProjectFile(example, Project()), 0);
    const ModelResults before = Evaluate(Project(), File("before.inp"));

    ui.Expect(kGeometrySelectionScreen)
        .PressOk()
        .Expect(kSystemPropertiesScreen)
        .PressOk()
        .Expect(kSystemContinuedScreen)
        .PressOk();
    RunMenuCommand(ui, kCommandSystemData);
    ui.Expect(kConstituentSelectionScreen).PressOk();
    RunMenuCommand(ui, kCommandSelectConstituents);
    ui.Expect(kInflowConcentrationScreen).PressOk();
    RunMenuCommand(ui, kCommandInflowConcentrations);
    ui.Expect(kDataInputSelectionScreen).PressOk();
    RunMenuCommand(ui, kCommandConstituentData);

    EXPECT_TRUE(ui.ScriptDone());
    EXPECT_TRUE(ui.Messages().empty()) << ui.Messages().front().text;
    const ModelResults after = Evaluate(Project(), File("after.inp"));
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleThroughScreens,
                         ::testing::Values("typical.inp", "conventional.inp", "tp_new_wetland.inp",
                                           "organics_half_life.inp", "organics_metals.inp"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace velmar::testing
