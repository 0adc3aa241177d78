#include "chart/message_hub.h"
