// The levelconvert program as a level maker runs it: its report on standard
// output, its check of the result and its exit status.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#include "ConversionTest.h"

namespace {

class Program : public ConversionTest {
  protected:
    // Runs levelconvert with these arguments in the scratch directory;
    // standard output and error land in `output`.
    int run(const std::string& arguments) {
        const std::string command =
            std::string(LEVELCONVERT) + " " + arguments + " > program.out 2>&1";
        const int status = std::system(command.c_str());
        std::ifstream file("program.out");
        std::ostringstream text;
        text << file.rdbuf();
        output = text.str();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    void expectSaid(std::initializer_list<const char*> lines) const {
        for (const char* line : lines) {
            EXPECT_NE(output.find(line), std::string::npos) << line << "\nnot in\n" << output;
        }
    }

    std::string output;
};

const char* const kGround = "mtllib ground.mtl\nusemtl rock\n"
                            "v 0 0 1\nv 4 0 1\nv 4 0 -1\nv 0 0 -1\nf 1 2 3 4\n";

TEST_F(Program, ACleanConversionExitsWithZeroAWarnedOneWithTwo) {
    write("rock.tga", tinyTga(90, 90, 90));
    write("ground.mtl", "newmtl rock\nmap_Kd rock.tga\n");
    write("ground.obj", kGround);
    EXPECT_EQ(run("export/ground.obj out/legitLevel.obj --fit 1000"), 0) << output;
    expectSaid({"    position lines with one space          4",
                "    polygons triangulated                  1 (1 triangles added)",
                "lands at (400.00, 68.00)", "\nclean\n"});
    EXPECT_TRUE(std::filesystem::is_regular_file("out/Resources/legitLevel_rock.tga"));
    write("ground.mtl", "newmtl rock\nmap_Kd textures/lost.tga\n");
    EXPECT_EQ(run("export/ground.obj out/legitLevel.obj --fit 1000"), 2) << output;
    expectSaid({"warning: export/ground.mtl:2: image \"textures/lost.tga\" not found"});
    // The ground in front of z = 0, touching it along one edge and reaching
    // nearer than the view draws.
    write("ground.obj",
          "mtllib ground.mtl\nusemtl rock\nv 0 0 0\nv 4 0 0\nv 4 0 4\nv 0 0 4\nf 1 4 3 2\n");
    EXPECT_EQ(run("export/ground.obj out/legitLevel.obj --fit 1000"), 2) << output;
    expectSaid({"hint: the mesh does not cross z = 0 (z 0.00 .. 1000.00)", "--swap-yz",
                ":13: face reaches beyond the depths the view draws (z -1700 .. 900)"});
    // The ground wound downwards, its normal written upwards.
    write("ground.obj", "mtllib ground.mtl\nusemtl rock\nv 0 0 1\nv 4 0 1\nv 4 0 -1\nv 0 0 -1\n"
                        "vn 0 1 0\nf 4//1 3//1 2//1 1//1\n");
    EXPECT_EQ(run("export/ground.obj out/legitLevel.obj --fit 1000"), 2) << output;
    expectSaid({":14: face wound against its normals: hidden from the side it is lit on"});
}

TEST_F(Program, WhatCannotBeMendedAndUsageMistakesExitWithOne) {
    write("ground.obj", "v 0 0 0\nf 1 2 3\n");
    EXPECT_EQ(run("export/ground.obj out.obj"), 1);
    EXPECT_EQ(output, "error: export/ground.obj:2: a face refers to position 2, but only 1 are "
                      "written above it\n");
    EXPECT_EQ(run("only-one.obj"), 1);
    EXPECT_EQ(run("a.obj b.obj --fit 100 --scale 2"), 1);
    EXPECT_EQ(run("a.obj b.obj --scale -1"), 1);
    EXPECT_EQ(run("--help"), 0);
    expectSaid({"highest point lies at world y 100"});
}

} // namespace
