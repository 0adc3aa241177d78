#include "ui/message_hub.h"
