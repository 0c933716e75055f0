#pragma once

#include "db/CDbTableBase.h"
#include "model/CDbEleBillTgtData.h"
#include "model/CDbModelInfoData.h"
#include "model/CDbRunStateData.h"
#include "model/CDbSettingInfoData.h"

#include <cstdint>

// The fixed row shapes every select is read in, column by position.

// Bill-sum statements: total, row count.
struct DbSumRow {
    int32_t total = 0;
    int32_t count = 0;
};

// Model+setting join: the model row, the setting table's MAC, 26 values. A
// unit without a setting row keeps an empty MAC and every value -1.
struct DbJoinRow {
    CDbModelInfoData model;
    CDbSettingInfoData setting;
};

template <>
inline CDbModelInfoData CDbTableBase::ReadRow<CDbModelInfoData>(const DbRow& row) {
    CDbModelInfoData data;
    data.macAddress = row.Text(0);
    data.getDate = row.Text(1);
    data.model = row.Text(2);
    data.roomCode = row.Text(3);
    data.roomNumber = row.Int(4);
    return data;
}

inline void ReadSettingValues(const DbRow& row, int firstColumn, SettingValues& values) {
    for (int i = 0; i < kSettingCount; ++i) {
        values[static_cast<size_t>(i)] = row.Int(firstColumn + i);
    }
}

template <>
inline CDbSettingInfoData CDbTableBase::ReadRow<CDbSettingInfoData>(const DbRow& row) {
    CDbSettingInfoData data;
    data.macAddress = row.Text(0);
    ReadSettingValues(row, 1, data.values);
    return data;
}

template <>
inline CDbRunStateData CDbTableBase::ReadRow<CDbRunStateData>(const DbRow& row) {
    CDbRunStateData data;
    data.macAddress = row.Text(0);
    data.date = row.Text(1);
    data.useTime = row.Int(2);
    data.electricityBill = row.Int(3);
    data.indoorTemperature = row.Int(4);
    data.outdoorTemperature = row.Int(5);
    data.absentEco = row.Int(6);
    data.eighth = row.Int(7);
    return data;
}

template <>
inline CDbEleBillTgtData CDbTableBase::ReadRow<CDbEleBillTgtData>(const DbRow& row) {
    CDbEleBillTgtData data;
    data.macAddress = row.Text(0);
    data.month = row.Text(1);
    data.target = row.Int(2);
    return data;
}

template <>
inline DbSumRow CDbTableBase::ReadRow<DbSumRow>(const DbRow& row) {
    return DbSumRow{row.Int(0), row.Int(1)};
}

template <>
inline DbJoinRow CDbTableBase::ReadRow<DbJoinRow>(const DbRow& row) {
    DbJoinRow data;
    data.model = ReadRow<CDbModelInfoData>(row);
    if (!row.IsNull(5)) {
        data.setting.macAddress = row.Text(5);
        ReadSettingValues(row, 6, data.setting.values);
    }
    return data;
}
