// What `analyze` reports for a position, and the one-line JSON layout it is printed in.
#include "analyze.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "json_layout.h"
#include "record.h"
#include "record_texts.h"

namespace pennix::arena {
namespace {

using nlohmann::ordered_json;

ordered_json AnalyzeRecord(const std::string& record) {
    Game game;
    std::istringstream input(record);
    const auto error = PlayRecord(input, game);
    EXPECT_FALSE(error) << error->Text();
    return Analyze(game);
}

bool Contains(const ordered_json& walls, const ordered_json& wall) {
    return std::find(walls.begin(), walls.end(), wall) != walls.end();
}

TEST(Analyze, KeysComeInTheDocumentedOrder) {
    const ordered_json result = AnalyzeRecord("");
    std::vector<std::string> keys;
    for (auto item = result.begin(); item != result.end(); ++item) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys,
              (std::vector<std::string>{"current_player", "human_boxes", "computer_boxes",
                                        "game_over", "take_box", "safe_walls", "leave_two_boxes",
                                        "least_loss_wall", "expert_wall", "expert_value"}));
}

TEST(Analyze, NewGameOffersEveryWallAsSafe) {
    const ordered_json result = AnalyzeRecord("# nothing drawn yet\n");
    EXPECT_EQ(result["current_player"], "H");
    EXPECT_EQ(result["human_boxes"], 0);
    EXPECT_EQ(result["game_over"], false);
    EXPECT_TRUE(result["take_box"].is_null());
    // All 320 (box, side) pairs: shared walls are listed once from each box, in scan order.
    ASSERT_EQ(result["safe_walls"].size(), 320u);
    EXPECT_EQ(result["safe_walls"][0], ordered_json::array({1, 1, 4}));
    EXPECT_EQ(result["safe_walls"][3], ordered_json::array({1, 1, 2}));
    EXPECT_EQ(result["safe_walls"][319], ordered_json::array({10, 8, 2}));
    EXPECT_TRUE(result["leave_two_boxes"].is_null());
    EXPECT_TRUE(result["least_loss_wall"].is_null());
}

TEST(Analyze, ABoxOnOfferIsTakenAndNothingGivesLessThanIt) {
    // Box (1, 1) has three sides; the computer drew the second and fourth walls.
    const ordered_json result = AnalyzeRecord("1 1 top\n1 1 left\n2 1 top\n1 1 right\n");
    EXPECT_EQ(result["current_player"], "H");
    EXPECT_EQ(result["take_box"], ordered_json::array({1, 1, 8}));
    EXPECT_FALSE(Contains(result["safe_walls"], {1, 1, 8}));
    EXPECT_FALSE(Contains(result["safe_walls"], {2, 1, 1}));  // (2, 1) would have three sides
    EXPECT_TRUE(Contains(result["safe_walls"], {1, 2, 8}));
    // Too early in the game to hand boxes over.
    EXPECT_TRUE(result["leave_two_boxes"].is_null());
    // Every wall lets the human take (1, 1); its own missing side comes first in scan order.
    EXPECT_EQ(result["least_loss_wall"], ordered_json::array({1, 1, 8, 1}));
}

TEST(Analyze, OneWallClosingTwoBoxesGivesBothToTheMover) {
    const std::string record = "1 1 top\n1 1 left\n1 1 bottom\n2 1 top\n2 1 right\n2 1 bottom\n";
    const ordered_json before = AnalyzeRecord(record);
    EXPECT_EQ(before["take_box"], ordered_json::array({1, 1, 2}));
    const std::string mover = before["current_player"];

    const ordered_json after = AnalyzeRecord(record + "1 1 right\n");
    EXPECT_EQ(after["current_player"], mover);
    EXPECT_EQ(after[mover == "H" ? "human_boxes" : "computer_boxes"], 2);
}

TEST(Analyze, LateInTheGameTheLastTwoBoxesOfAChainAreHandedOver) {
    // 16 boxes owned, and a chain of two boxes, (3, 1) and (4, 1), open at (3, 1)'s right.
    const ordered_json result = AnalyzeRecord(testing::FirstTwoColumnsRecord() +
                                              "3 1 top\n4 1 top\n3 1 bottom\n4 1 bottom\n"
                                              "4 1 right\n");
    EXPECT_EQ(result["human_boxes"].get<int>() + result["computer_boxes"].get<int>(), 16);
    EXPECT_EQ(result["take_box"], ordered_json::array({3, 1, 2}));
    // Column 3 already has its left sides, so (3, 2)'s bottom would open (3, 2) as well; (3, 3)'s
    // bottom is the first wall in scan order after which the human wins exactly the two boxes.
    EXPECT_EQ(result["leave_two_boxes"], ordered_json::array({3, 3, 8}));
    // Nothing gives less than the chain; its own closing wall comes first.
    EXPECT_EQ(result["least_loss_wall"], ordered_json::array({3, 1, 2, 2}));
    EXPECT_FALSE(Contains(result["safe_walls"], {3, 2, 8}));
    EXPECT_TRUE(Contains(result["safe_walls"], {3, 3, 8}));
    EXPECT_TRUE(Contains(result["safe_walls"], {3, 4, 4}));
}

TEST(Analyze, AFinishedGameOffersNothing) {
    const ordered_json result = AnalyzeRecord(testing::AllWallsRecord());
    EXPECT_EQ(result["game_over"], true);
    EXPECT_EQ(result["human_boxes"].get<int>() + result["computer_boxes"].get<int>(), 80);
    EXPECT_TRUE(result["take_box"].is_null());
    EXPECT_EQ(result["safe_walls"], ordered_json::array());
    EXPECT_TRUE(result["leave_two_boxes"].is_null());
    EXPECT_TRUE(result["least_loss_wall"].is_null());
}

TEST(Analyze, PrintsInPythonLayout) {
    EXPECT_EQ(OneLineJson(AnalyzeRecord(testing::AllWallsRecord())),
              "{\"current_player\": \"H\", \"human_boxes\": 40, \"computer_boxes\": 40, "
              "\"game_over\": true, \"take_box\": null, \"safe_walls\": [], "
              "\"leave_two_boxes\": null, \"least_loss_wall\": null, \"expert_wall\": null, "
              "\"expert_value\": 0}");
}

// The record of every wall with its last `free` walls left out.
std::string AllWallsBut(int free) {
    std::string record = testing::AllWallsRecord();
    for (int i = 0; i < free; ++i) {
        record.erase(record.rfind('\n', record.size() - 2) + 1);
    }
    return record;
}

TEST(Analyze, ExpertSolvesExactlyWithTwentyFreeWallsOrFewer) {
    // The last wall closes (10, 8) alone: the player to move wins that one box.
    const ordered_json last = AnalyzeRecord(AllWallsBut(1));
    EXPECT_EQ(last["expert_wall"], last["take_box"]);
    EXPECT_EQ(last["expert_value"], 1);
    // Without the last 20 vertical walls, rows 7 and 8 are open at their sides; Expert's wall
    // achieves the value: what it closes plus the value after it, or less the other's.
    const std::string record = AllWallsBut(20);
    const ordered_json twenty = AnalyzeRecord(record);
    ASSERT_TRUE(twenty["expert_value"].is_number_integer());
    const ordered_json wall = twenty["expert_wall"];
    ASSERT_TRUE(wall.is_array());
    const char* side_names[] = {"", "left", "right", "", "top", "", "", "", "bottom"};
    const ordered_json after = AnalyzeRecord(record + std::to_string(wall[0].get<int>()) + " " +
                                             std::to_string(wall[1].get<int>()) + " " +
                                             side_names[wall[2].get<int>()] + "\n");
    const std::string mover = twenty["current_player"];
    const std::string boxes = mover == "H" ? "human_boxes" : "computer_boxes";
    const int closed = after[boxes].get<int>() - twenty[boxes].get<int>();
    const int after_value = after["expert_value"].get<int>();
    EXPECT_EQ(twenty["expert_value"].get<int>(),
              after["current_player"] == mover ? closed + after_value : -after_value);
    EXPECT_TRUE(AnalyzeRecord(AllWallsBut(21))["expert_value"].is_null());
    // A new game has no exact value here, but Expert still names a safe wall.
    const ordered_json start = AnalyzeRecord("");
    EXPECT_TRUE(start["expert_value"].is_null());
    EXPECT_TRUE(Contains(start["safe_walls"], start["expert_wall"]));
}

TEST(OneLineJson, MatchesPythonJsonDumps) {
    ordered_json value;
    value["z"] = ordered_json::array({1, -2, ordered_json::array(), ordered_json::object()});
    value["a"] = {{"inner", nullptr}, {"flag", false}};
    value["half"] = 0.5;
    value["text"] = "say \"hi\"\\\n\xc3\xa9";
    EXPECT_EQ(OneLineJson(value),
              "{\"z\": [1, -2, [], {}], \"a\": {\"inner\": null, \"flag\": false}, "
              "\"half\": 0.5, \"text\": \"say \\\"hi\\\"\\\\\\n\\u00e9\"}");
}

}  // namespace
}  // namespace pennix::arena
