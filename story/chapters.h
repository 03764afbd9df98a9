// Every scenario of the story and every scene the day cycle plays, by the file
// that writes it. Scenarios are entered by name from the table
// (scenario_list.cpp); scenes are called like an operation and return a
// ScriptResult the caller passes on with GO().
#pragma once

#include <cstdint>

#include "story/script.h"

namespace story {

// --- the prologue and the first week: story/prologue/ -------------------------------
// s0 → s1wA → s1wB → s1wC → s1wD → s1wD2; s1wD2 opens on the first day's-end menu,
// sets 25 July, morning, and sends the player to s1wE, s1wF or s1wH; s1wF goes
// on to s1wG, s1wH, s1wI, s1wJ or home. Each ends the day (slot 10) at s2wA.
// s0 and s1wA may be declined: an early end without a heroine. The refusal is
// always the last answer of its choice (the explorer's players rely on it).
ScriptResult s0();
ScriptResult s1wA();  // the staff meeting's three questions set GameState.project
ScriptResult s1wB();
ScriptResult s1wC();
ScriptResult s1wD();
ScriptResult s1wD2();
ScriptResult s1wE();
ScriptResult s1wF();
ScriptResult s1wG();
ScriptResult s1wH();
ScriptResult s1wI();
ScriptResult s1wJ();

// --- the day: story/day/ ----------------------------------------------------------
ScriptResult s2wA();      // the hub of every time slot
ScriptResult sDay();      // the morning briefing; on 30 August the evaluation
ScriptResult sWeekEnd();  // the Sundays 1, 8, 15 and 22 August

// --- the studio: story/studio/ -------------------------------------------------------
// Each uses up the time slot (or the visits it leads to do) and returns to s2wA.
ScriptResult sJimusyo();  // the office; where the guide can be asked for with narration
ScriptResult sSakuga();   // the drawing room: on to sKantoku, sIn, sKumai
ScriptResult sIn();       // the in-house animators
ScriptResult sHome();     // the hero's room, map place 20
ScriptResult sKaigi();    // the staff meeting, entered by the hub on meeting days
ScriptResult sKantoku();  // the director's room: his check of layouts and keys
ScriptResult sKumai();    // the cut-bag check with Kumai, the second drawing-room task
// 28 August, evening, on the roof: Kumai asks who Yōta has worked for all
// summer; the answer may lead to that heroine's scene of the day.
ScriptResult sKumai0828();

// The night scene that ends a day whose night was used (one of two).
ScriptResult NightScene(bool lateWithNanoka);
// Two mornings that flags bring: after Nanoka kept him out, and the sisters'
// breakfast at the studio.
ScriptResult TiredMorning();
// The date moves on to a clean morning: nobody met yet, the day not begun.
void TurnToTheNextDate();
ScriptResult SistersBreakfast();
// A Sunday on which no meeting is taken.
ScriptResult QuietSunday(std::uint32_t date);
// The evening of 8 August: a choice of two (Picked()), the second the festival;
// FestivalAlone is the festival when nobody waits there.
ScriptResult FestivalEvening();
ScriptResult FestivalAlone();

// --- the production's places: story/places/ ----------------------------------------
// A visit plays a scene by the place's work counter (first visits long, later
// ones short) and the time of day, then Visited() closes it.
ScriptResult sGengaA();
ScriptResult sGengaB();
ScriptResult sGenga();
ScriptResult sRecStudio();
ScriptResult sGenzo();
ScriptResult sDouga();
ScriptResult sShiage();
ScriptResult sSatuei();
ScriptResult sHensyu();
ScriptResult sHaikeiA();
ScriptResult sHaikeiB();
ScriptResult sKyoukai();

// --- briefings and the last day: story/day/ (the text in story/briefings/) ----------
// The day's briefing; on 3 and 29 August it ends with a choice of two (Picked()).
ScriptResult Briefing(std::uint32_t date);
// 29 August, the second answer: the retakes with Koyori.
ScriptResult RetakesWithKoyori();
// 30 August: the numbers below 45, or the one more night from 45; the
// director's last check (it may move the bonus by 3 either way); the
// screening's two better outcomes; the two ends without a heroine.
ScriptResult NotReady();
ScriptResult OneMoreNight();
ScriptResult DirectorsLastCheck();
ScriptResult ScreeningTriumph();
ScriptResult ScreeningRelief();
ScriptResult LineTestEnding();
ScriptResult UnfinishedSummer();
// The heroine endings' shared opening: the title card, the projector, the first print.
ScriptResult EndingSequence();
// 16 August with the score below 25: the studio collapses.
ScriptResult sKoyori0816();

}  // namespace story
