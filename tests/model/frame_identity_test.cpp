// The fast evaluation must give, bit for bit, what computing every SourceIntensity anew gives.

#include "model/frame.h"
#include "parameters_with.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <limits>
#include <random>

using namespace brenvik;

namespace {

std::uint32_t bits(float value) { return std::bit_cast<std::uint32_t>(value); }

void expectIdentical(const FrameResult& fast, const FrameResult& literal, const std::string& where)
{
    EXPECT_EQ(bits(fast.peak1), bits(literal.peak1)) << where;
    EXPECT_EQ(bits(fast.peak2), bits(literal.peak2)) << where;
    EXPECT_EQ(bits(fast.cellSum), bits(literal.cellSum)) << where;
    EXPECT_EQ(bits(fast.cellMean), bits(literal.cellMean)) << where;
    EXPECT_EQ(fast.cellCount, literal.cellCount) << where;
    EXPECT_EQ(fast.resolved, literal.resolved) << where;
    EXPECT_EQ(std::memcmp(&fast.cell, &literal.cell, sizeof fast.cell), 0) << where;
}

std::size_t firstDifferentSample(const SurfaceSamples& a, const SurfaceSamples& b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].X != b[i].X || a[i].Y != b[i].Y || bits(a[i].Intensity1) != bits(b[i].Intensity1) ||
            bits(a[i].Intensity2) != bits(b[i].Intensity2))
            return i;
    }
    return a.size();
}

TEST(FrameIdentity, FastEvaluationMatchesLiteralBitForBit)
{
    const float widths[] = {9.0f,
                            1.0f,
                            0.5f,
                            5.0f,
                            0.0f,
                            -0.0f,
                            -9.0f,
                            0.068f,
                            0.07f,
                            1e-39f,
                            1e-45f,
                            120.0f,
                            1e30f,
                            std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN(),
                            3.3333333f,
                            9.0f};
    std::mt19937 random(20071208);
    std::uniform_int_distribution<int> inField(-60, 60);
    std::uniform_int_distribution<int> anyByte(-128, 127);
    std::uniform_int_distribution<int> level(0, 30);

    // One evaluator for every case, so that changing the width between frames is covered.
    FrameEvaluator evaluator;
    SurfaceSamples fastSamples;
    SurfaceSamples literalSamples;
    int caseNumber = 0;
    for (float q : widths) {
        for (int repeat = 0; repeat < 6; ++repeat, ++caseNumber) {
            ModelParameters in;
            in.q = q;
            in.threshold = repeat % 2 ? 0.27f : 0.5f;
            // Mostly positions the sliders allow; now and then any 8-bit value, which wraps.
            auto position = [&] {
                return static_cast<std::int8_t>(repeat == 5 ? anyByte(random) : inField(random));
            };
            in.t1x = position();
            in.t1y = position();
            in.t2x = position();
            in.t2y = position();
            const NoiseSettings noise{repeat % 3 != 0, level(random)};

            NoiseGenerator fastGenerator{static_cast<std::uint32_t>(random())};
            NoiseGenerator literalGenerator = fastGenerator;
            const FrameResult fast =
                evaluator.evaluate(parametersWith(in, noise), fastGenerator, &fastSamples);
            const FrameResult literal =
                evaluateFrameLiteral(parametersWith(in, noise), literalGenerator, &literalSamples);

            const std::string where = "case " + std::to_string(caseNumber) + ", Q " + std::to_string(q);
            expectIdentical(fast, literal, where);
            EXPECT_EQ(firstDifferentSample(fastSamples, literalSamples), fastSamples.size()) << where;
            EXPECT_EQ(fastGenerator.NoiseSeed, literalGenerator.NoiseSeed) << where;
        }
    }
}

}  // namespace
