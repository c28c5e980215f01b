#pragma once

int highValue();
