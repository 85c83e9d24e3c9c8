// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>

// The options of the command line, registered on one parser.
struct CommandLineOptions
{
    CommandLineOptions();

    // The options that each ask for one output; a run asks for exactly one.
    QList<const QCommandLineOption *> outputOptions() const;

    // The options that describe a single section on the command line.
    QList<const QCommandLineOption *> sectionOptions() const;

    // The options of the order list: with --order, or --pdf for its page.
    QList<const QCommandLineOption *> orderOptions() const;

    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption pdf;
    QCommandLineOption marks;
    QCommandLineOption decimals;
    QCommandLineOption paper;
    QCommandLineOption csv;
    QCommandLineOption csvDecimal;
    QCommandLineOption templatePdf;
    QCommandLineOption templateSection;
    QCommandLineOption svg;
    QCommandLineOption dxf;
    QCommandLineOption length;
    QCommandLineOption width;
    QCommandLineOption maximumGap;
    QCommandLineOption maximumGapStairs;
    QCommandLineOption increment;
    QCommandLineOption count;
    QCommandLineOption ends;
    QCommandLineOption rise;
    QCommandLineOption run;
    QCommandLineOption angle;
    QCommandLineOption name;
    QCommandLineOption unit;
    QCommandLineOption markStep;
    QCommandLineOption designGap;
    QCommandLineOption spacing;
    QCommandLineOption centre;
    QCommandLineOption between;
    QCommandLineOption marksFrom;
    QCommandLineOption postWidth;
    QCommandLineOption order;
    QCommandLineOption railRows;
    QCommandLineOption railStock;
    QCommandLineOption kerf;
    QCommandLineOption railpinLength;
    QCommandLineOption railpinStock;
    QCommandLineOption screwsPerRailpin;
    QCommandLineOption screwsPerRailEnd;
    // A stair by its treads, and the rails of a stair.
    QCommandLineOption treads;
    QCommandLineOption perTread;
    QCommandLineOption minPerTread;
    QCommandLineOption firstFromRiser;
    QCommandLineOption newels;
    QCommandLineOption nosing;
    QCommandLineOption railHeight;
    QCommandLineOption railDepth;
    QCommandLineOption insert;
    QCommandLineOption bottomRail;
    QCommandLineOption triangleSphere;

    // The options that give a stair by its treads its pattern and lengths.
    QList<const QCommandLineOption *> treadsOptions() const;
    QCommandLineOption maxPostSpacing;
    QCommandLineOption start;
    QCommandLineOption end;
};
