#include "model/batch_result.h"
#include "model/extended.h"
#include "model/number_text.h"
#include "model/resolution_model.h"

#include <gtest/gtest.h>

#include <vector>

using namespace brenvik;

namespace {

ModelParameters atT2(int t2)
{
    ModelParameters parameters;
    parameters.t2x = parameters.t2y = static_cast<std::int8_t>(t2);
    return parameters;
}

struct TrialsCase {
    std::vector<int> t2;  ///< each trial's T2, in order
    int first, last, trialsAtLast;
};

// Names the case in the test's name, which would otherwise hold the struct's raw bytes.
void PrintTo(const TrialsCase& c, std::ostream* os)
{
    *os << "T2 at";
    for (int t2 : c.t2)
        *os << ' ' << t2;
}

class BatchTrialsRecord : public ::testing::TestWithParam<TrialsCase> {};

TEST_P(BatchTrialsRecord, FirstLastAndTheTrialsAtTheLast)
{
    const TrialsCase& c = GetParam();
    BatchTrials batch;
    for (int t2 : c.t2)
        batch.add(atT2(t2));
    EXPECT_EQ(batch.first(), atT2(c.first));
    EXPECT_EQ(batch.last(), atT2(c.last));
    EXPECT_EQ(batch.trials(), static_cast<std::int64_t>(c.t2.size()));
    EXPECT_EQ(batch.trialsAtLast(), c.trialsAtLast);
    EXPECT_EQ(batch.uniform(), c.trialsAtLast == static_cast<int>(c.t2.size()));
}

INSTANTIATE_TEST_SUITE_P(Table, BatchTrialsRecord,
                         ::testing::Values(TrialsCase{{4}, 4, 4, 1}, TrialsCase{{4, 4}, 4, 4, 2},
                                           TrialsCase{{4, 4, 5, 5, 5}, 4, 5, 3},
                                           TrialsCase{{4, 5, 4}, 4, 4, 1},
                                           TrialsCase{{3, 4, 4, 5}, 3, 5, 1}));

TEST(BatchTrialsRecord, NoiseAndThresholdCountAsParameters)
{
    BatchTrials batch;
    batch.add(atT2(0));
    ModelParameters noisy = atT2(0);
    noisy.noise = {true, 0};  // level 0 adds nothing, yet the noise was on
    batch.add(noisy);
    EXPECT_EQ(batch.trialsAtLast(), 1);
    ModelParameters higher = noisy;
    higher.threshold = 0.28f;
    batch.add(higher);
    EXPECT_EQ(batch.trialsAtLast(), 1);
    EXPECT_EQ(batch.last(), higher);
}

TEST(BatchResult, ShownValueIsWhatItsTextReadsBackAs)
{
    // The sweep plots the value; it must be the very number the box's text stands for.
    for (int trials = 1; trials <= 100; ++trials) {
        for (int resolved = 0; resolved <= trials; ++resolved) {
            const float P = toSingle(static_cast<Extended>(resolved) / trials);
            for (char separator : {',', '.'}) {
                const BatchResult r = batchResult(P, {}, separator);
                ASSERT_EQ(textToReal(r.text, separator), r.shown) << resolved << '/' << trials;
            }
        }
    }
    EXPECT_EQ(batchResult(toSingle(Extended(7) / 10), {}, ',').text, "0,69");
}

TEST(ResolutionModel, CompletedBatchNamesItsTrialsParameters)
{
    ResolutionModel model;
    ModelParameters in;
    in.batchSize = 4;
    in.t2x = in.t2y = -30;
    model.runFrame(in);
    model.startBatch();  // the trial above no longer counts
    model.runFrame(in);
    in.t2x = in.t2y = 30;
    EXPECT_FALSE(model.runFrame(in).probability);
    model.runFrame(in);
    const FrameOutcome end = model.runFrame(in);
    ASSERT_TRUE(end.probability);
    EXPECT_EQ(end.batchTrials.first().t2x, -30);
    EXPECT_EQ(end.batchTrials.last().t2x, 30);
    EXPECT_EQ(end.batchTrials.trials(), 4);
    EXPECT_EQ(end.batchTrials.trialsAtLast(), 3);

    // The next batch starts its record afresh.
    for (int i = 0; i < 3; ++i)
        model.runFrame(in);
    const FrameOutcome next = model.runFrame(in);
    ASSERT_TRUE(next.probability);
    EXPECT_TRUE(next.batchTrials.uniform());
    EXPECT_EQ(next.batchTrials.first().t2x, 30);
}

}  // namespace
