#include "model/extended.h"
#include "model/resolution_model.h"
#include "model/trials.h"
#include "parameters_with.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace brenvik;

namespace {

/// Counts `resolved` resolved trials first, then the rest, into one batch of `trials`,
/// and returns the text the probability box would show.
std::string batchText(int resolved, int trials, char separator)
{
    TrialCounter counter;
    // Whatever the counter hands out goes to the text as it is: no rounding on the way.
    decltype(counter.countTrial(false, 0)) probability;
    for (int i = 0; i < trials; ++i) {
        EXPECT_FALSE(probability.has_value()) << "batch ended early at trial " << i;
        probability = counter.countTrial(i < resolved, static_cast<std::uint8_t>(trials));
    }
    EXPECT_TRUE(probability.has_value());
    return probability ? probabilityText(*probability, separator) : "";
}

struct BatchCase {
    int resolved, trials;
    const char* text;
};

void PrintTo(const BatchCase& c, std::ostream* os) { *os << c.resolved << '/' << c.trials; }

class ProbabilityText : public ::testing::TestWithParam<BatchCase> {};

TEST_P(ProbabilityText, TruncatesTheSinglePrecisionShare)
{
    const auto [resolved, trials, text] = GetParam();
    EXPECT_EQ(batchText(resolved, trials, ','), text);
    std::string pointed = text;
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    EXPECT_EQ(batchText(resolved, trials, '.'), pointed);
}

INSTANTIATE_TEST_SUITE_P(Table, ProbabilityText,
                         ::testing::Values(BatchCase{1, 3, "0,33"}, BatchCase{2, 3, "0,66"},
                                           BatchCase{3, 5, "0,6"}, BatchCase{7, 10, "0,69"},
                                           BatchCase{9, 10, "0,89"}, BatchCase{5, 5, "1"},
                                           BatchCase{0, 5, "0"}));

TEST(TrialCounter, CountsWrapAtEightBitsAndTheBatchEndsOnEquality)
{
    TrialCounter counter;
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(counter.countTrial(true, 5));
    EXPECT_EQ(counter.TestCount(), 3);
    EXPECT_EQ(counter.ResolvedCount(), 3);

    // Lowered below the trials made: no end at "at least", only when the count wraps round to 2.
    for (int i = 3; i < 255; ++i)
        EXPECT_FALSE(counter.countTrial(false, 2)) << i;
    EXPECT_EQ(counter.TestCount(), 255);
    EXPECT_FALSE(counter.countTrial(false, 2));
    EXPECT_EQ(counter.TestCount(), 0);
    EXPECT_FALSE(counter.countTrial(false, 2));
    EXPECT_EQ(counter.TestCount(), 1);
    const auto probability = counter.countTrial(false, 2);
    ASSERT_TRUE(probability);
    // The share of the 258 trials really made, not 3 of 2.
    EXPECT_EQ(*probability, toSingle(Extended(3) / 258));
    EXPECT_EQ(counter.TestCount(), 0);
    EXPECT_EQ(counter.ResolvedCount(), 0);
}

TEST(TrialCounter, BatchSizeZeroMakesBatchesOf256)
{
    for (bool allResolved : {true, false}) {
        TrialCounter counter;
        for (int i = 0; i < 255; ++i)
            EXPECT_FALSE(counter.countTrial(allResolved, 0)) << i;
        const auto probability = counter.countTrial(allResolved, 0);
        ASSERT_TRUE(probability);
        EXPECT_EQ(probabilityText(*probability, ','), allResolved ? "1" : "0");
    }
}

TEST(TrialCounter, BatchSizeOneEndsEveryTrial)
{
    TrialCounter counter;
    for (int i = 0; i < 4; ++i) {
        const auto probability = counter.countTrial(i % 2 == 0, 1);
        ASSERT_TRUE(probability);
        EXPECT_EQ(*probability, i % 2 == 0 ? 1.0f : 0.0f);
        EXPECT_EQ(counter.TestCount(), 0);
    }
}

/// Runs `frames` frames and returns the texts of the batches they completed, by frame number.
std::vector<std::pair<int, std::string>> completedBatches(ResolutionModel& model, const ModelParameters& in,
                                                          int frames, NoiseSettings noise = {})
{
    std::vector<std::pair<int, std::string>> texts;
    for (int frame = 1; frame <= frames; ++frame) {
        const FrameOutcome outcome = model.runFrame(parametersWith(in, noise));
        if (outcome.probability)
            texts.emplace_back(frame, probabilityText(*outcome.probability, ','));
    }
    return texts;
}

TEST(ResolutionModel, StartStateShowsZeroAfterEveryBatch)
{
    ResolutionModel model;
    const auto texts = completedBatches(model, ModelParameters{}, 15);
    EXPECT_EQ(texts, (std::vector<std::pair<int, std::string>>{{5, "0"}, {10, "0"}, {15, "0"}}));
}

TEST(ResolutionModel, SeparatedSourcesShowOne)
{
    ModelParameters in;
    in.t1x = -20;
    in.t2x = 20;
    ResolutionModel model;
    EXPECT_EQ(completedBatches(model, in, 5), (std::vector<std::pair<int, std::string>>{{5, "1"}}));
}

TEST(ResolutionModel, ZeroWidthShowsOne)
{
    ModelParameters in;
    in.q = 0.0f;
    ResolutionModel model;
    EXPECT_EQ(completedBatches(model, in, 5), (std::vector<std::pair<int, std::string>>{{5, "1"}}));
}

TEST(ResolutionModel, BatchOf300Means44)
{
    ModelParameters in;
    in.batchSize = static_cast<std::uint8_t>(300);
    ResolutionModel model;
    const auto texts = completedBatches(model, in, 88);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].first, 44);
    EXPECT_EQ(texts[1].first, 88);
}

TEST(ResolutionModel, NewBatchSizeAppliesToTheRunningBatch)
{
    ResolutionModel model;
    ModelParameters in;
    in.batchSize = 10;
    completedBatches(model, in, 3);
    EXPECT_EQ(model.trials().TestCount(), 3);
    in.batchSize = 4;
    EXPECT_EQ(completedBatches(model, in, 1), (std::vector<std::pair<int, std::string>>{{1, "0"}}));
}

TEST(ResolutionModel, NoisyTrialsAreReproducibleFromTheStartState)
{
    ModelParameters in;
    in.t1x = -12;
    in.t2x = 12;
    in.batchSize = 20;
    ResolutionModel first;
    ResolutionModel second;
    const auto a = completedBatches(first, in, 40, NoiseSettings{true, 30});
    const auto b = completedBatches(second, in, 40, NoiseSettings{true, 30});
    EXPECT_EQ(a, b);
    EXPECT_EQ(first.noise().NoiseSeed, second.noise().NoiseSeed);
    EXPECT_NE(first.noise().NoiseSeed, 0u);
}

}  // namespace
