#include "LogonScenes.h"

const std::vector<LogonScene>& logonScenes()
{
    static const std::vector<LogonScene> scenes{
        {"blue", &paintBlue},
        {"blue_tree", &paintBlueTree},
        {"bokeh", &paintBokeh},
        {"decoration", &paintDecoration},
        {"green_tree", &paintGreenTree},
        {"hot_chocolate", &paintHotChocolate},
        {"in_the_snow", &paintInTheSnow},
        {"ornament", &paintOrnament},
        {"picture", &paintPicture},
        {"santa_skating", &paintSantaSkating},
        {"snow", &paintSnow},
        {"snowfall", &paintSnowfall},
        {"snowman", &paintSnowman},
        {"tree", &paintTree},
    };
    return scenes;
}
