// Light and material values that need no display.
#include "model/Cls9.h"
#include "view/Cls10.h"
#include "view/Cls11.h"

#include <gtest/gtest.h>

namespace {

TEST(Light, SecondLightIsTheFirstMirroredAndAlwaysPositional)
{
    Cls10 light;
    EXPECT_EQ(light.SecondPosition(), (std::array<float, 4>{-100, -100, -100, 1}));
    light.Position = {3, -4, 5, 0};
    EXPECT_EQ(light.SecondPosition(), (std::array<float, 4>{-3, 4, -5, 1}));
    light.GlobalAmbient[0] = 0;
    EXPECT_EQ(light.AmbientColor(), (std::array<float, 4>{0, 0, 0, 1}));
}

TEST(Material, PresetsReplaceEveryArrayAndOtherNumbersKeepThem)
{
    Cls11 m;
    EXPECT_FALSE(m.LoadPreset(0));
    EXPECT_FALSE(m.LoadPreset(14));
    EXPECT_EQ(m.Diffuse, (std::array<float, 4>{}));
    EXPECT_EQ(m.Shininess[0], 0.0f) << "a fresh object stays black with exponent 0";

    ASSERT_TRUE(m.LoadPreset(MaterialPresetNeon));
    EXPECT_EQ(m.Ambient, (std::array<float, 4>{}));
    EXPECT_EQ(m.Emission, (std::array<float, 4>{0.0188407f, 0.940276f, 1, 0}));
    EXPECT_FALSE(m.LoadPreset(-1));
    EXPECT_EQ(m.Emission[1], 0.940276f) << "an unknown preset keeps what was loaded";

    // Glass carries its alpha in all four colours; a later preset replaces it.
    ASSERT_TRUE(m.LoadPreset(MaterialPresetGlass));
    for (const auto* colour : {&m.Ambient, &m.Diffuse, &m.Specular, &m.Emission})
        EXPECT_EQ((*colour)[3], 0.34747f);
    ASSERT_TRUE(m.LoadPreset(MaterialPresetArtdeco));
    EXPECT_EQ(m.Diffuse[3], 0.832432f);
    EXPECT_EQ(m.Ambient[3], 0.0f);
    EXPECT_EQ(m.Emission, (std::array<float, 4>{}));
    EXPECT_EQ(m.Shininess[0], 106.55129f);

    // Summer shares Autumn's ambient and diffuse but not its specular.
    Cls11 autumn, summer;
    autumn.LoadPreset(MaterialPresetAutumn);
    summer.LoadPreset(MaterialPresetSummer);
    EXPECT_EQ(autumn.Diffuse, summer.Diffuse);
    EXPECT_NE(autumn.Specular, summer.Specular);
    EXPECT_EQ(m.MatType, 0) << "MatType is stored only";
}

}  // namespace
