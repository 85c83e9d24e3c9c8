// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

class QWidget;

// The title of the Open Job dialog and of the message that a job could not be opened.
QString openJobTitle();

// The file type of job files, as the file dialogs offer it.
QString jobFileFilter();

// The Open Job dialog of the calculator and of every job window: one job file
// that exists, starting in `folder`. Returns its path, or an empty string
// when the user cancels.
QString chooseJobFile(QWidget *parent, const QString &folder);
